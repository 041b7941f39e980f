#pragma once

#include "config/SettingsContext.h"

namespace tidecopy {

// Automation at start-up: when chkExecute is on, loads AutoProfile from the profiles
// folder (the profile replaces the whole option set, the automation fields included)
// and answers true: the caller then starts a real backup run. A missing profile is
// LoadINI's missing file, and the run still starts.
bool LoadAutomationProfile(SettingsContext& settings);

} // namespace tidecopy
