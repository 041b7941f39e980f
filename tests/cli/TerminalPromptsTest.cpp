#include "cli/TerminalPrompts.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tidecopy::cli {
namespace {

struct QuestionCase {
    bool terminal;
    TerminalPrompts::Answering answering;
    const char* typed;
    PromptButtons buttons;
    PromptAnswer expected;
    const char* hint;
};

class TerminalQuestions : public testing::TestWithParam<QuestionCase> {};

TEST_P(TerminalQuestions, AnswerAsTheUserOrTheFlagSays) {
    const QuestionCase& c = GetParam();
    std::istringstream in(c.typed);
    std::ostringstream err;
    TerminalPrompts prompts(in, err, c.terminal, c.answering);
    EXPECT_EQ(prompts.message("Backup", "You are about to backup\r\nAnd more", c.buttons,
                              PromptIcon::Information),
              c.expected);
    EXPECT_TRUE(err.str().starts_with("Backup: You are about to backup\nAnd more\n")) << err.str();
    EXPECT_NE(err.str().find(c.hint), std::string::npos) << err.str();
}

using A = TerminalPrompts::Answering;
INSTANTIATE_TEST_SUITE_P(
    Table, TerminalQuestions,
    testing::Values(
        QuestionCase{false, A::Ask, "y\n", PromptButtons::YesNo, PromptAnswer::No, "use --yes"},
        QuestionCase{false, A::AssumeYes, "", PromptButtons::YesNo, PromptAnswer::Yes, "--yes"},
        QuestionCase{true, A::AssumeYes, "n\n", PromptButtons::YesNoCancel, PromptAnswer::Yes,
                     "--yes"},
        QuestionCase{true, A::Ask, "yes\n", PromptButtons::YesNoCancel, PromptAnswer::Yes, "[y/n]"},
        QuestionCase{true, A::Ask, "maybe\nN\n", PromptButtons::YesNo, PromptAnswer::No, "[y/n]"},
        QuestionCase{true, A::Ask, "", PromptButtons::YesNo, PromptAnswer::No, "[y/n]"},
        QuestionCase{true, A::Ask, "y\n", PromptButtons::OkCancel, PromptAnswer::Ok, "[y/n]"}));

TEST(TerminalMessages, PlainMessagesCarryTheProgramNameWhenUntitled) {
    std::istringstream in;
    std::ostringstream err;
    TerminalPrompts prompts(in, err, true, TerminalPrompts::Answering::Ask);
    EXPECT_EQ(prompts.message("", "Source and Target folder can not be the same!",
                              PromptButtons::Ok, PromptIcon::None),
              PromptAnswer::Ok);
    EXPECT_EQ(err.str(), "Tidecopy: Source and Target folder can not be the same!\n");
}

} // namespace
} // namespace tidecopy::cli
