#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

namespace tidecopy {

// Gives a control the product's name, so tests and tools find it, and the text a
// screen reader says for it.
inline void nameControl(QWidget* control, const QString& name, const QString& spoken) {
    control->setObjectName(name);
    control->setAccessibleName(spoken);
}

// Gives a label the product's name and says what it is for. It keeps no spoken name of
// its own, so a screen reader reads its current text, whatever sets it, and hears of
// every change.
inline void nameLabel(QWidget* label, const QString& name, const QString& purpose) {
    label->setObjectName(name);
    label->setAccessibleDescription(purpose);
}

// Tab goes from each of the widgets to the next, in the order given.
inline void orderTabs(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
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
