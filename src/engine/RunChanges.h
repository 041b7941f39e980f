#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"

#include <cstdint>
#include <string>

namespace tidecopy {

// What a run changes in the state it was started with, for its front end to take back
// when it ends: the filter text it settled, the histories its folders joined, and
// chkExecute when a one-time automation was used up.
struct RunChanges {
    std::string filterText;
    HistoryCombo sourceHistory;
    HistoryCombo targetHistory;
    std::int16_t chkExecute = 0;
    bool operator==(const RunChanges&) const = default;
};

// The changes a run has made to its own copies of the main state and the options.
RunChanges runChangesOf(const MainState& runState, const OptionSet& runOptions);

// Who started a run: the user, or the automation at start-up.
enum class RunStarter { User, Automation };

// Takes a run's changes into the window's state and options. Everything else stays the
// window's: its panes may have moved on a refresh while the run went on. A run the
// automation started uses up a one-time automation, however it ended.
void takeRunChanges(const RunChanges& changes, RunStarter starter, MainState& state,
                    OptionSet& options);

} // namespace tidecopy
