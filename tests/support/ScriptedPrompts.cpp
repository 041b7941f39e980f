#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace tidecopy::test {

ScriptedPrompts::~ScriptedPrompts() {
    for (const Expected& e : m_expected)
        ADD_FAILURE() << "expected prompt never shown: [" << e.title << "] " << e.text;
}

ScriptedPrompts& ScriptedPrompts::expectMessage(std::string title, std::string text,
                                                PromptButtons buttons, PromptAnswer answer) {
    m_expected.push_back({false, std::move(title), std::move(text), buttons, answer, std::nullopt});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectInput(std::string title, std::string prompt,
                                              std::optional<std::string> answer) {
    m_expected.push_back({true, std::move(title), std::move(prompt), PromptButtons::OkCancel,
                          PromptAnswer::Ok, std::move(answer)});
    return *this;
}

PromptAnswer ScriptedPrompts::message(const std::string& title, const std::string& text,
                                      PromptButtons buttons, PromptIcon) {
    if (m_expected.empty() || m_expected.front().isInput) {
        ADD_FAILURE() << "unexpected message: [" << title << "] " << text;
        return PromptAnswer::Cancel;
    }
    Expected e = m_expected.front();
    m_expected.pop_front();
    EXPECT_EQ(e.title, title);
    EXPECT_EQ(e.text, text);
    EXPECT_EQ(static_cast<int>(e.buttons), static_cast<int>(buttons)) << "buttons of: " << text;
    return e.answer;
}

std::optional<std::string> ScriptedPrompts::input(const std::string& title,
                                                  const std::string& prompt, const std::string&) {
    if (m_expected.empty() || !m_expected.front().isInput) {
        ADD_FAILURE() << "unexpected input box: [" << title << "] " << prompt;
        return std::nullopt;
    }
    Expected e = m_expected.front();
    m_expected.pop_front();
    EXPECT_EQ(e.title, title);
    EXPECT_EQ(e.text, prompt);
    return e.inputAnswer;
}

} // namespace tidecopy::test
