#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"
#include "config/SettingsContext.h"

#include <string>
#include <system_error>

namespace tidecopy {

// The 71 lines of the settings and profile format for this state and the lines added after
// them, each ended by CR LF.
std::string settingsFileText(const OptionSet& options, const MainState& state);

// Writes the settings file (empty path) or a profile. The file is replaced only once the
// new one is complete, so a failure leaves the old one as it was. Callers ignore the
// error, as the product shows none; it is returned for those who care.
std::error_code SaveINI(SettingsContext& context, const std::string& file = {});

} // namespace tidecopy
