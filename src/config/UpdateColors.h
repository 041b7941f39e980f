#pragma once

#include "config/OptionSet.h"
#include "config/SettingsView.h"

namespace tidecopy {

// Applies PaneColors to the panes; a colour below 1 (black or a system colour) first
// becomes the system window colour.
void UpdateColors(OptionSet& options, SettingsView& view);

} // namespace tidecopy
