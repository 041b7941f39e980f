#pragma once

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"

namespace tidecopy {

enum class ResetOutcome {
    Declined,        // the user answered No
    NothingDeleted,  // the settings file could not be deleted; the dialog stays open
    EndProgramAtOnce // end now, without the closing steps, so the file is not written again
};

// The Reset command of the options dialog: after the user agrees, deletes the settings
// file and turns the automatic update check back on.
ResetOutcome ResetAllSettings(Prompts& prompts, FileSystem& fs, SettingsStore& store,
                              const Environment& environment);

} // namespace tidecopy
