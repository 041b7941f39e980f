#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"

namespace tidecopy {

// What a window run changes in the window's state, taken back from the run's copies:
// the filter text it settled, the histories it added its folders to, and chkExecute
// when a one-time automation was used up. Everything else the window owns meanwhile
// (its panes may have moved on a refresh) stays the window's.
void takeRunResults(const MainState& runState, const OptionSet& runOptions, MainState& state,
                    OptionSet& options);

} // namespace tidecopy
