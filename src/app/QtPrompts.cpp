#include "app/QtPrompts.h"

#include "app/ControlNaming.h"

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

} // namespace tidecopy
