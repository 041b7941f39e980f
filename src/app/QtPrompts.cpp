#include "app/QtPrompts.h"

#include "widgets/ControlNaming.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tidecopy {

namespace {

QString titleOf(const std::string& title) {
    return title.empty() ? QStringLiteral("Tidecopy") : QString::fromStdString(title);
}

QMessageBox::Icon iconOf(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return QMessageBox::Ok;
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A type list entry as the toolkit reads it: the patterns in the last parentheses,
// separated by blanks. "*.*" means every file, as on Windows, not only names with a dot.
QString nameFilterOf(const FileFilter& filter) {
    QStringList patterns;
    for (const QString& pattern : QString::fromStdString(filter.pattern).split(';'))
        patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    QString description = QString::fromStdString(filter.description);
    const QString shown = '(' + QString::fromStdString(filter.pattern) + ')';
    if (description.endsWith(shown))
        description.chop(shown.size());
    return description.trimmed() + " (" + patterns.join(' ') + ')';
}

PromptAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        return PromptAnswer::Ok;
    }
}

} // namespace

PromptAnswer QtPrompts::message(const std::string& title, const std::string& text,
                                PromptButtons buttons, PromptIcon icon) {
    if (m_owner != nullptr) {
        // Messages about the window's own state come to the front with it.
        m_owner->raise();
        m_owner->activateWindow();
    }
    QMessageBox box(iconOf(icon), titleOf(title), displayText(text), buttonsOf(buttons), m_owner);
    box.setObjectName(QStringLiteral("PromptMessage"));
    const int answer = box.exec();
    // A box closed without a choice answers as its Cancel (or its only button) would.
    if (answer == 0 || answer == QMessageBox::Escape)
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    return answerOf(answer);
}

std::optional<std::string> QtPrompts::input(const std::string& title, const std::string& prompt,
                                            const std::string& defaultText) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(m_owner, titleOf(title), displayText(prompt), QLineEdit::Normal,
                              QString::fromStdString(defaultText), &accepted);
    if (!accepted)
        return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtPrompts::fileDialog(DialogKind kind,
                                                 const FileDialogRequest& request) {
    QFileDialog dialog(m_owner, QString::fromStdString(request.title),
                       QString::fromStdString(request.initialFolder));
    dialog.setObjectName(QStringLiteral("PromptFileDialog"));
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << nameFilterOf(filter);
    dialog.setNameFilters(filters);
    // The open dialog takes names of files that are not there; the caller checks them.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(kind == DialogKind::Open ? QFileDialog::AcceptOpen
                                                  : QFileDialog::AcceptSave);
    // Replacing an existing file is the caller's question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.proposedName.empty())
        dialog.selectFile(QString::fromStdString(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtPrompts::openFile(const FileDialogRequest& request) {
    return fileDialog(DialogKind::Open, request);
}

std::optional<std::string> QtPrompts::saveFile(const FileDialogRequest& request) {
    return fileDialog(DialogKind::Save, request);
}

} // namespace tidecopy
