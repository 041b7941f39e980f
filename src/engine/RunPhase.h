#pragma once

#include "engine/RunTimeTexts.h"

#include <optional>
#include <string>

namespace tidecopy {

// The steps a run goes through, as its front end follows them.
enum class RunPhase {
    Preparing,    // the run has started: the settings are logged
    Reading,      // the source folders are listed
    Copying,      // file by file
    Verifying,    // the copies are checked for integrity
    Listing,      // the checksum list is brought up to date
    Reporting,    // the summary is written and the panes are read again
    Restoring,    // the window's controls come back
    AfterActions, // a backup that copied: histories, the last sound, the after-backup actions
    Done,
};

// What a front end with controls changes as a run enters a phase; a value left empty
// keeps what the last phase set. The window applies it to its widgets, other front ends
// follow it as they see fit. Cancel stays enabled after a run that was cancelled or
// copied nothing: only the after-backup step disables it.
struct PhaseDisplay {
    std::optional<bool> busy; // the busy pointer
    std::optional<bool> cancelEnabled;
    std::optional<bool> startEnabled; // backup and preview
    std::optional<bool> animation;
    bool progressCleared = false; // the progress bar starts empty
    std::optional<bool> profilesEnabled;
    std::optional<bool> jobEnabled; // the folders and the copy options
    std::optional<std::string> caption;
};

PhaseDisplay displayOf(RunPhase phase, RunKind kind);

} // namespace tidecopy
