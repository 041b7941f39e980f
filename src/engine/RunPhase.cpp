#include "engine/RunPhase.h"

namespace tidecopy {

PhaseDisplay displayOf(RunPhase phase, RunKind kind) {
    PhaseDisplay display;
    switch (phase) {
    case RunPhase::Preparing:
        display.busy = true;
        display.cancelEnabled = true;
        display.startEnabled = false;
        display.animation = true;
        display.progressCleared = true;
        display.profilesEnabled = false;
        display.jobEnabled = false;
        display.caption = kind == RunKind::Preview  ? "Preparing Backup Preview\r\nPlease wait..."
                          : kind == RunKind::Verify ? "Verifying Backup\r\nPlease wait..."
                                                    : "Preparing Backup\r\nPlease wait...";
        break;
    case RunPhase::Verifying:
        display.animation = true;
        display.caption = "Checking files for integrity...";
        break;
    case RunPhase::Listing:
        display.animation = true;
        display.caption = "Updating the checksum list...";
        break;
    case RunPhase::Reporting:
        display.animation = false;
        break;
    case RunPhase::Restoring:
        display.busy = false;
        display.profilesEnabled = true;
        display.jobEnabled = true;
        display.caption = ""; // the run's work is over: no state of it stays shown
        break;
    case RunPhase::AfterActions:
        display.cancelEnabled = false;
        break;
    case RunPhase::Done:
        display.startEnabled = true;
        // Nothing follows a verify that Cancel could stop.
        if (kind == RunKind::Verify)
            display.cancelEnabled = false;
        break;
    case RunPhase::Reading:
    case RunPhase::Copying:
        break; // the progress tells what these show
    }
    return display;
}

} // namespace tidecopy
