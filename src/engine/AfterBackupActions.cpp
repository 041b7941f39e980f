#include "engine/AfterBackupActions.h"

namespace tidecopy {

namespace {

bool countdownWanted(const OptionSet& options) {
    return options.chkExecute != 0 && options.chkOnlyonce == 0;
}

// Shows the countdown when the automation repeats at every start, then uses up a
// one-time automation.
void countdownAndUseUpAutomation(AfterBackupContext& c) {
    if (countdownWanted(c.options) && c.host.countdownStopped())
        c.flags.CountdownCancelled = true;
    if (c.options.chkOnlyonce != 0 && c.options.chkExecute != 0)
        c.options.chkExecute = 0;
}

void shutDownStep(AfterBackupContext& c) {
    countdownAndUseUpAutomation(c);
    if (c.flags.CountdownCancelled) {
        c.appendLog("Shutdown PC Enabled: Command Manually Canceled...\r\n");
        c.SaveDailyLog();
        return;
    }
    c.appendLog("Shutdown PC Enabled: executing command...\r\n");
    c.SaveDailyLog();
    ShutDownReboot(c.power, c.flags, c.options.ShutdownMode);
}

void closeProgramStep(AfterBackupContext& c) {
    countdownAndUseUpAutomation(c);
    c.appendLog(c.flags.CountdownCancelled
                    ? "Close Program Enabled: Closing Tidecopy Manually Canceled...\r\n"
                    : "Close Program Enabled: Closing Tidecopy...\r\n");
    c.SaveDailyLog();
    if (!c.flags.CountdownCancelled)
        c.host.closeProgram();
}

} // namespace

void ShutDownReboot(Power& power, const RunFlags& flags, int shutdownMode) {
    if (flags.CountdownCancelled)
        return;
    switch (shutdownMode) {
    case 1:
        power.request(PowerAction::LogOff);
        break;
    case 2:
        power.request(PowerAction::ShutDown);
        break;
    case 3:
        power.request(PowerAction::Restart);
        break;
    default:
        break; // not a power action: nothing to request
    }
}

void runAfterBackupActions(AfterBackupContext& context) {
    if (context.options.ShutdownMode != 0 && context.powerActions == PowerActions::Allowed)
        shutDownStep(context);
    if (context.options.chkCloseProg != 0)
        closeProgramStep(context);
}

} // namespace tidecopy
