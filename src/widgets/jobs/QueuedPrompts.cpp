#include "widgets/jobs/QueuedPrompts.h"

#include "widgets/jobs/JobMailbox.h"

namespace tidecopy {

using OptionalText = std::optional<std::string>;

PromptAnswer QueuedPrompts::message(const std::string& title, const std::string& text,
                                    PromptButtons buttons, PromptIcon icon) {
    return m_mailbox
        .ask<PromptAnswer>([&window = m_window, title, text, buttons, icon] {
            return window.message(title, text, buttons, icon);
        })
        .value_or(PromptAnswer::Cancel);
}

OptionalText QueuedPrompts::input(const std::string& title, const std::string& prompt,
                                  const std::string& defaultText) {
    return m_mailbox
        .ask<OptionalText>([&window = m_window, title, prompt, defaultText] {
            return window.input(title, prompt, defaultText);
        })
        .value_or(std::nullopt);
}

OptionalText QueuedPrompts::openFile(const FileDialogRequest& request) {
    return m_mailbox
        .ask<OptionalText>([&window = m_window, request] { return window.openFile(request); })
        .value_or(std::nullopt);
}

OptionalText QueuedPrompts::saveFile(const FileDialogRequest& request) {
    return m_mailbox
        .ask<OptionalText>([&window = m_window, request] { return window.saveFile(request); })
        .value_or(std::nullopt);
}

} // namespace tidecopy
