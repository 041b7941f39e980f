#include "cli/CliArguments.h"

#include <gtest/gtest.h>

namespace tidecopy::cli {
namespace {

struct ParseCase {
    std::vector<std::string_view> arguments;
    Command command;
    const char* profile;
    bool assumeYes;
    bool noAfterActions;
};

class ParsesCommandLines : public testing::TestWithParam<ParseCase> {};

TEST_P(ParsesCommandLines, Accepted) {
    const ParseCase& c = GetParam();
    const ParseOutcome outcome = parseArguments(c.arguments);
    ASSERT_EQ(outcome.error, "");
    EXPECT_EQ(outcome.arguments.command, c.command);
    EXPECT_EQ(outcome.arguments.profile, c.profile);
    EXPECT_EQ(outcome.arguments.assumeYes, c.assumeYes);
    EXPECT_EQ(outcome.arguments.noAfterActions, c.noAfterActions);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParsesCommandLines,
    testing::Values(
        ParseCase{{"run", "job.prof"}, Command::Run, "job.prof", false, false},
        ParseCase{{"run", "--yes", "job.prof", "--no-after-actions"},
                  Command::Run,
                  "job.prof",
                  true,
                  true},
        ParseCase{
            {"preview", "/p/a b.prof", "--yes"}, Command::Preview, "/p/a b.prof", true, false},
        ParseCase{{"show", "job"}, Command::Show, "job", false, false},
        ParseCase{{"--help"}, Command::Help, "", false, false},
        ParseCase{{"--version"}, Command::Version, "", false, false}));

struct RejectCase {
    std::vector<std::string_view> arguments;
    const char* error;
};

class RejectsCommandLines : public testing::TestWithParam<RejectCase> {};

TEST_P(RejectsCommandLines, WithAClearReason) {
    EXPECT_EQ(parseArguments(GetParam().arguments).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RejectsCommandLines,
    testing::Values(RejectCase{{}, "no command given"},
                    RejectCase{{"backup", "x"}, "unknown command 'backup'"},
                    RejectCase{{"run"}, "'run' needs a profile"},
                    RejectCase{{"run", "a", "b"}, "only one profile can be given"},
                    RejectCase{{"preview", "a", "--no-after-actions"},
                               "'--no-after-actions' is not an option of 'preview'"},
                    RejectCase{{"show", "a", "--yes"}, "'--yes' is not an option of 'show'"},
                    RejectCase{{"--version", "x"}, "'x' is not an option of '--version'"},
                    RejectCase{{"run", "--force", "a"}, "'--force' is not an option of 'run'"}));

} // namespace
} // namespace tidecopy::cli
