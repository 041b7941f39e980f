#pragma once

#include "platform/Prompts.h"

#include <deque>
#include <optional>
#include <string>

namespace tidecopy::test {

// Prompts that expect a script: each expected prompt (title, text, buttons) with the
// answer to give. A prompt that was not expected, or arrives in another order, fails
// the running test; expectations left over fail it when the object goes.
class ScriptedPrompts : public Prompts {
public:
    ~ScriptedPrompts() override;

    ScriptedPrompts& expectMessage(std::string title, std::string text, PromptButtons buttons,
                                   PromptAnswer answer = PromptAnswer::Ok);
    ScriptedPrompts& expectInput(std::string title, std::string prompt,
                                 std::optional<std::string> answer);

    PromptAnswer message(const std::string& title, const std::string& text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;

    bool done() const { return m_expected.empty(); }

private:
    struct Expected {
        bool isInput = false;
        std::string title;
        std::string text;
        PromptButtons buttons = PromptButtons::Ok;
        PromptAnswer answer = PromptAnswer::Ok;
        std::optional<std::string> inputAnswer;
    };
    std::deque<Expected> m_expected;
};

} // namespace tidecopy::test
