#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"
#include "engine/RunTimeTexts.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Prompts.h"

#include <string>

namespace tidecopy {

// The checks before a run touches anything: the same folder twice, the protected system
// folder, and the user's confirmation. False ends the run with nothing logged.
bool passesPreRunChecks(RunKind kind, const MainState& state, const OptionSet& options,
                        const std::string& windowsFolder, const PathStyle& style, FileSystem& fs,
                        Prompts& prompts);

} // namespace tidecopy
