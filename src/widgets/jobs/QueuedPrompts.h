#pragma once

#include "platform/Prompts.h"

namespace tidecopy {

class JobMailbox;

// The run's prompts on its worker thread: each question is asked by the window's prompts
// on the window's thread while the worker waits for the answer. Once the window is gone,
// every question answers Cancel.
class QueuedPrompts : public Prompts {
public:
    QueuedPrompts(JobMailbox& mailbox, Prompts& window)
        : m_mailbox(mailbox)
        , m_window(window) {}

    PromptAnswer message(const std::string& title, const std::string& text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

private:
    JobMailbox& m_mailbox;
    Prompts& m_window;
};

} // namespace tidecopy
