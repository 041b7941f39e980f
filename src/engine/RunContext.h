#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"
#include "engine/RunFlags.h"
#include "engine/RunHost.h"
#include "engine/RunLog.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Power.h"
#include "platform/Prompts.h"
#include "platform/Volumes.h"

namespace tidecopy {

// Everything a backup run works with: the platform's services, the front end, and the
// state the main window owns (options, panes, log, run flags).
struct RunContext {
    FileSystem& fs;
    Volumes& volumes;
    Power& power;
    const Clock& clock;
    const Environment& environment;
    Prompts& prompts;
    RunHost& host;
    OptionSet& options;
    MainState& state;
    RunLog& log;
    RunFlags& flags;
    PathStyle style = PathStyle::native();
};

} // namespace tidecopy
