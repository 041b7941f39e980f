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
        ParseCase{{"verify", "job"}, Command::Verify, "job", false, false},
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
    testing::Values(
        RejectCase{{}, "no command given"}, RejectCase{{"backup", "x"}, "unknown command 'backup'"},
        RejectCase{{"run"}, "'run' needs a profile"},
        RejectCase{{"run", "a", "b"}, "only one profile can be given"},
        RejectCase{{"preview", "a", "--no-after-actions"},
                   "'--no-after-actions' is not an option of 'preview'"},
        RejectCase{{"show", "a", "--yes"}, "'--yes' is not an option of 'show'"},
        RejectCase{{"verify"}, "'verify' needs a profile"},
        RejectCase{{"verify", "a", "--yes"}, "'--yes' is not an option of 'verify'"},
        RejectCase{{"--version", "x"}, "'x' is not an option of '--version'"},
        RejectCase{{"run", "--force", "a"}, "'--force' is not an option of 'run'"},
        RejectCase{{"schedule", "a"},
                   "'schedule' needs one of --daily HH:MM, --at-login, --remove and "
                   "--list"},
        RejectCase{{"schedule", "--at-login"}, "'schedule' needs a profile"},
        RejectCase{{"schedule", "a", "--daily"}, "'--daily' needs a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--daily", "24:00"}, "'24:00' is not a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--daily", "7:60"}, "'7:60' is not a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--daily", "7:5"}, "'7:5' is not a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--daily", "007:05"}, "'007:05' is not a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--daily", ":05"}, "':05' is not a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--daily", "1a:05"}, "'1a:05' is not a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--daily", "10:0x"}, "'10:0x' is not a time of day (HH:MM)"},
        RejectCase{{"schedule", "a", "--at-login", "--remove"},
                   "only one of --daily, --at-login, --remove and --list can be given"},
        RejectCase{{"schedule", "a", "--list"}, "'--list' takes no profile"},
        RejectCase{{"schedule", "a", "b", "--remove"}, "only one profile can be given"},
        RejectCase{{"schedule", "a", "--weekly"}, "'--weekly' is not an option of 'schedule'"}));

TEST(ParsesScheduleCommandLines, EveryFormWithItsProfile) {
    struct Case {
        std::vector<std::string_view> arguments;
        const char* profile;
        ScheduleRequest request;
    };
    const Case cases[] = {
        {{"schedule", "job", "--daily", "2:30"}, "job", {ScheduleAction::Daily, 2, 30}},
        {{"schedule", "--daily", "23:59", "/p/a b.prof"},
         "/p/a b.prof",
         {ScheduleAction::Daily, 23, 59}},
        {{"schedule", "job", "--daily", "00:00"}, "job", {ScheduleAction::Daily, 0, 0}},
        {{"schedule", "--at-login", "job"}, "job", {ScheduleAction::AtLogin}},
        {{"schedule", "job", "--remove"}, "job", {ScheduleAction::Remove}},
        {{"schedule", "--list"}, "", {ScheduleAction::List}},
    };
    for (const Case& c : cases) {
        const ParseOutcome outcome = parseArguments(c.arguments);
        ASSERT_EQ(outcome.error, "") << c.profile;
        EXPECT_EQ(outcome.arguments.command, Command::Schedule);
        EXPECT_EQ(outcome.arguments.profile, c.profile);
        EXPECT_TRUE(outcome.arguments.schedule == c.request) << c.profile;
    }
}

} // namespace
} // namespace tidecopy::cli
