#pragma once

#include <string_view>

namespace tidecopy {

struct SettingsContext;

// Form_Unload: the settings file is written from the current state, then the log goes to
// today's daily log file when chkLog is on. Failures of either are not reported.
void Form_Unload(SettingsContext& context, std::string_view logText);

} // namespace tidecopy
