#include "engine/RunChanges.h"

#include "config/Automation.h"

namespace tidecopy {

RunChanges runChangesOf(const MainState& runState, const OptionSet& runOptions) {
    return {runState.cmbPattern.text, runState.cmbSourceHistory, runState.cmbTargetHistory,
            runOptions.chkExecute};
}

void takeRunChanges(const RunChanges& changes, RunStarter starter, MainState& state,
                    OptionSet& options) {
    state.cmbPattern.text = changes.filterText;
    state.cmbSourceHistory = changes.sourceHistory;
    state.cmbTargetHistory = changes.targetHistory;
    options.chkExecute = changes.chkExecute;
    if (starter == RunStarter::Automation)
        useUpOneTimeAutomation(options);
}

} // namespace tidecopy
