#pragma once

#include "config/OptionsDialogValues.h"
#include "config/SettingsContext.h"
#include "platform/Prompts.h"
#include "platform/Result.h"

#include <string>
#include <system_error>
#include <vector>

namespace tidecopy {

// What the options dialog does with the program's state, apart from its controls.

// Whether the automatic update check is on: only "NoURLupdate" = "Yes" turns it off.
bool automaticUpdateCheckOn(SettingsStore& store);

// The profiles File1 lists: the ordinary "*.prof" files of the profiles folder, by name.
Result<std::vector<std::string>> listProfiles(FileSystem& fs, const std::string& folder);

// The message for a failed opening: "Error 2 (...) in procedure Form_Load of Form
// frmPresOptions".
std::string loadErrorText(std::error_code error);

// OK: refuses automation without a profile with its message and changes nothing; else
// takes the dialog's values into the option set, applies the pane colours, stores the
// update choice and PutInRegistry. True when the dialog may close.
bool ConfirmOptions(SettingsContext& settings, Prompts& prompts, const OptionsDialogValues& values);

// Where and which program the settings store names (read by nothing here).
void PutInRegistry(SettingsStore& store, const Environment& environment);

} // namespace tidecopy
