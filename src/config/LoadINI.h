#pragma once

#include "config/SettingsContext.h"

#include <optional>
#include <string>
#include <string_view>

namespace tidecopy {

// A profile always restores its folders and history selections; the settings file only
// when it was saved with chkRecall checked.
enum class ProfileMode { Off, On };

enum class LoadOutcome {
    Loaded,
    NoFile,   // nothing to read: the first-start values were applied
    Recovered // reading or applying stopped early and the recovery ran
};

// Reads the settings file (empty path) or a profile into the context's option set, main
// state and window. Shows no message: a file that cannot be read ends in the recovery.
LoadOutcome LoadINI(SettingsContext& context, const std::string& file = {});

// The same on a file's contents already in memory; nullopt stands for a missing file.
LoadOutcome LoadINIFromText(SettingsContext& context, std::optional<std::string_view> text,
                            ProfileMode mode);

} // namespace tidecopy
