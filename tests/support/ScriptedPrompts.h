#pragma once

#include "platform/Prompts.h"

#include <deque>
#include <optional>
#include <string>

namespace tidecopy::test {

// Prompts that expect a script: each expected prompt (title, text, buttons; a file
// dialog's whole request) with the answer to give. A prompt that was not expected, or arrives in
// another order, fails the running test; expectations left over fail it when the object goes.
class ScriptedPrompts : public Prompts {
public:
    ~ScriptedPrompts() override;

    ScriptedPrompts& expectMessage(std::string title, std::string text, PromptButtons buttons,
                                   PromptAnswer answer = PromptAnswer::Ok);
    ScriptedPrompts& expectInput(std::string title, std::string prompt,
                                 std::optional<std::string> answer);
    ScriptedPrompts& expectOpenFile(FileDialogRequest request, std::optional<std::string> answer);
    ScriptedPrompts& expectSaveFile(FileDialogRequest request, std::optional<std::string> answer);

    PromptAnswer message(const std::string& title, const std::string& text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

    bool done() const { return m_expected.empty(); }

private:
    enum class Kind { Message, Input, OpenFile, SaveFile };
    struct Expected {
        Kind kind = Kind::Message;
        std::string title;
        std::string text;
        PromptButtons buttons = PromptButtons::Ok;
        PromptAnswer answer = PromptAnswer::Ok;
        std::optional<std::string> textAnswer; // an input box's or a file dialog's
        FileDialogRequest request;
    };
    // The next expectation when it is of that kind; fails the test otherwise.
    std::optional<Expected> next(Kind kind, const std::string& what);
    std::optional<std::string> fileDialog(Kind kind, const FileDialogRequest& request);
    std::deque<Expected> m_expected;
};

} // namespace tidecopy::test
