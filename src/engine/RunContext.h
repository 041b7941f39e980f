#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"
#include "engine/RunFlags.h"
#include "engine/RunHost.h"
#include "engine/RunLog.h"
#include "engine/RunWorkers.h"
#include "platform/PathStyle.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"

#include <functional>
#include <optional>

namespace tidecopy {

// Everything a backup run works with: the platform's services, the front end, and the
// state the main window owns (options, panes, log, run flags).
struct RunContext {
    Platform& platform;
    Prompts& prompts;
    RunHost& host;
    OptionSet& options;
    MainState& state;
    RunLog& log;
    RunFlags& flags;
    PathStyle style = PathStyle::native();
    // Called between the run's steps (each folder read, each file, each chunk of a large
    // one): a front end running the run on its own thread may let its events run there,
    // a test acts at a chosen moment.
    std::function<void()> betweenSteps = {};
    // Replaces the threads chosen from the cores and the destination's disk.
    std::optional<RunWorkers> workers = {};
};

} // namespace tidecopy
