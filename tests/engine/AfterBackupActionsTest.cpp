#include "engine/AfterBackupActions.h"

#include "support/CaseName.h"
#include "support/FakePower.h"
#include "support/RecordingRunHost.h"

#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

struct ActionCase {
    const char* name;
    std::int16_t ShutdownMode;
    std::int16_t chkCloseProg;
    std::int16_t chkExecute;
    std::int16_t chkOnlyonce;
    bool stopCountdown;
    PowerActions powerActions;
    // Log lines (without CR LF), "countdown", "save log", "power", "close program", in order.
    std::string trace;
    std::int16_t chkExecuteAfter;
};

class AfterBackup : public testing::TestWithParam<ActionCase> {};

// Countdowns and closing land in the same trace as the log lines and the power requests.
class TracingHost : public RecordingRunHost {
public:
    explicit TracingHost(std::string& trace)
        : m_trace(trace) {}
    bool countdownStopped() override {
        m_trace += " | countdown";
        return stopCountdown;
    }
    void closeProgram() override { m_trace += " | close program"; }

private:
    std::string& m_trace;
};

TEST_P(AfterBackup, RunsTheActionsInOrder) {
    const ActionCase& c = GetParam();
    OptionSet options;
    options.ShutdownMode = c.ShutdownMode;
    options.chkCloseProg = c.chkCloseProg;
    options.chkExecute = c.chkExecute;
    options.chkOnlyonce = c.chkOnlyonce;
    RunFlags flags;
    std::string trace;
    TracingHost host(trace);
    host.stopCountdown = c.stopCountdown;
    FakePower power;
    power.onRequest = [&](PowerAction) {
        trace += " | power";
    };
    const auto logLine = [&](std::string_view text) {
        EXPECT_TRUE(text.ends_with("\r\n"));
        trace += " | " + std::string(text.substr(0, text.size() - 2));
    };
    AfterBackupContext context{
        options, flags, host, power, logLine, [&] { trace += " | save log"; }, c.powerActions};

    runAfterBackupActions(context);

    EXPECT_EQ(trace, c.trace.empty() ? "" : " | " + c.trace);
    EXPECT_EQ(options.chkExecute, c.chkExecuteAfter);
}

const std::string shutdownRuns = "Shutdown PC Enabled: executing command...";
const std::string shutdownStopped = "Shutdown PC Enabled: Command Manually Canceled...";
const std::string closes = "Close Program Enabled: Closing Tidecopy... | save log | close program";
const std::string closeStopped = "Close Program Enabled: Closing Tidecopy Manually Canceled...";

INSTANTIATE_TEST_SUITE_P(
    Table, AfterBackup,
    testing::Values(ActionCase{"Nothing", 0, 0, 0, 0, false, PowerActions::Allowed, "", 0},
                    ActionCase{"ManualShutdownHasNoCountdown", 2, 0, 0, 0, false,
                               PowerActions::Allowed, shutdownRuns + " | save log | power", 0},
                    ActionCase{"AutomationAtEveryStartCountsDownBeforeClosing", 0, 1, 1, 0, false,
                               PowerActions::Allowed, "countdown | " + closes, 1},
                    ActionCase{"StopKeepsTheProgramOpen", 0, 1, 1, 0, true, PowerActions::Allowed,
                               "countdown | " + closeStopped + " | save log", 1},
                    ActionCase{"OneTimeAutomationIsUsedUpWithoutCountdown", 0, 1, 1, 1, false,
                               PowerActions::Allowed, closes, 0},
                    ActionCase{"ShutdownComesBeforeClosing", 3, 1, 0, 0, false,
                               PowerActions::Allowed,
                               shutdownRuns + " | save log | power | " + closes, 0},
                    ActionCase{"TwoCountdownsAndTheFirstStopCancelsBoth", 1, 1, 1, 0, true,
                               PowerActions::Allowed,
                               "countdown | " + shutdownStopped + " | save log | countdown | " +
                                   closeStopped + " | save log",
                               1},
                    ActionCase{"SuppressedPowerActionsStillClose", 2, 1, 0, 0, false,
                               PowerActions::Suppressed, closes, 0}),
    caseName<ActionCase>);

TEST(ShutDownReboot, AsksForTheMatchingActionUnlessStopped) {
    FakePower power;
    RunFlags flags;
    for (int mode : {1, 2, 3, 0, 7})
        ShutDownReboot(power, flags, mode);
    EXPECT_EQ(power.requests, (std::vector<PowerAction>{PowerAction::LogOff, PowerAction::ShutDown,
                                                        PowerAction::Restart}));
    flags.CountdownCancelled = true;
    ShutDownReboot(power, flags, 2);
    EXPECT_EQ(power.requests.size(), 3u);
}

} // namespace
} // namespace tidecopy::test
