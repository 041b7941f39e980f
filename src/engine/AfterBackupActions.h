#pragma once

#include "config/OptionSet.h"
#include "engine/RunFlags.h"
#include "engine/RunHost.h"
#include "platform/Power.h"

#include <functional>
#include <string_view>

namespace tidecopy {

// Whether a front end lets a run end the user's session or the computer's run.
enum class PowerActions { Allowed, Suppressed };

// What the actions after a successful backup work with.
struct AfterBackupContext {
    OptionSet& options; // chkExecute is cleared when a one-time automation is used up
    RunFlags& flags;
    RunHost& host;
    Power& power;
    std::function<void(std::string_view)> appendLog;
    std::function<void()> SaveDailyLog;
    PowerActions powerActions = PowerActions::Allowed;
};

// After a backup that was neither cancelled nor empty: log off, shut down or restart,
// then close the program, each as configured and each behind the countdown when the
// automation runs at every start.
void runAfterBackupActions(AfterBackupContext& context);

// Makes the power request for ShutdownMode 1 to 3 unless the countdown was stopped.
void ShutDownReboot(Power& power, const RunFlags& flags, int shutdownMode);

} // namespace tidecopy
