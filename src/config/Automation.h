#pragma once

#include "config/SettingsContext.h"

namespace tidecopy {

// Automation at start-up: when chkExecute is on, loads AutoProfile from the profiles
// folder (the profile replaces the whole option set, the automation fields included)
// and answers true: the caller then starts a real backup run. A missing profile is
// LoadINI's missing file, and the run still starts.
bool LoadAutomationProfile(SettingsContext& settings);

// After the automation's run: a one-time automation is used up whether or not an
// after-backup action followed, so it does not run again at the next start.
void useUpOneTimeAutomation(OptionSet& options);

} // namespace tidecopy
