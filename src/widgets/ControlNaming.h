#pragma once

#include <QString>
#include <QWidget>

namespace tidecopy {

// Gives a control the product's name, so tests and tools find it, and the text a
// screen reader says for it.
inline void nameControl(QWidget* control, const QString& name, const QString& spoken) {
    control->setObjectName(name);
    control->setAccessibleName(spoken);
}

// An element of a control array: "lblFolderName(0)".
inline QString elementName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// Log and label texts end lines in CR LF; the toolkit draws a line break for LF alone.
inline QString displayText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace tidecopy
