#pragma once

#include "engine/RunChanges.h"
#include "engine/RunReport.h"

namespace tidecopy {

// All a run hands back when it returns: its report, and what it changed in the state it
// was started with.
struct RunOutcome : RunReport {
    RunChanges changes;
};

} // namespace tidecopy
