#pragma once

#include "config/Pane.h"
#include "platform/UserFolders.h"

#include <optional>

namespace tidecopy {

// One of the ten preset buttons: 0 to 4 act on the source pane, 5 to 9 on the
// destination pane, each row Desktop, My Documents, My Pictures, My Music, My Videos.
struct PresetFolder {
    Pane pane = Pane::Source;
    UserFolder folder = UserFolder::Desktop;
    const char* caption = "";
};

std::optional<PresetFolder> presetFolder(int index);

} // namespace tidecopy
