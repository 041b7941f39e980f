#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"

#include <string>

namespace tidecopy {

// The settings block a run writes into the log before it lists files, thirteen lines
// each ended by CR LF.
std::string LogSettingsSummary(const MainState& state, const OptionSet& options);

} // namespace tidecopy
