#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"
#include "config/SettingsView.h"
#include "platform/PathStyle.h"
#include "platform/Platform.h"

namespace tidecopy {

// What LoadINI and SaveINI work on: the platform services, the state the main window
// owns, and the window itself.
struct SettingsContext {
    Platform& platform;
    OptionSet& options;
    MainState& state;
    SettingsView& view;
    PathStyle style = PathStyle::native();

    // An empty path names the settings file.
    std::string settingsPath(const std::string& file) const {
        return file.empty() ? platform.environment.settingsFilePath() : file;
    }
};

} // namespace tidecopy
