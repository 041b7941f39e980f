#pragma once

#include "platform/Prompts.h"

class QWidget;

namespace tidecopy {

// Message and input boxes and the file dialogs of the window, owned by the main window.
// A box without a title carries the program's name.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr)
        : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    PromptAnswer message(const std::string& title, const std::string& text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

private:
    enum class DialogKind { Open, Save };
    std::optional<std::string> fileDialog(DialogKind kind, const FileDialogRequest& request);

    QWidget* m_owner;
};

} // namespace tidecopy
