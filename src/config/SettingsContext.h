#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"
#include "config/SettingsView.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Volumes.h"

namespace tidecopy {

// What LoadINI and SaveINI work on: the platform services, the state the main window
// owns, and the window itself.
struct SettingsContext {
    FileSystem& fs;
    Volumes& volumes;
    const Environment& environment;
    OptionSet& options;
    MainState& state;
    SettingsView& view;
    PathStyle style = PathStyle::native();

    // An empty path names the settings file.
    std::string settingsPath(const std::string& file) const {
        return file.empty() ? environment.settingsFilePath() : file;
    }
};

} // namespace tidecopy
