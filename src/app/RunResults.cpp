#include "app/RunResults.h"

namespace tidecopy {

void takeRunResults(const MainState& runState, const OptionSet& runOptions, MainState& state,
                    OptionSet& options) {
    state.cmbPattern.text = runState.cmbPattern.text;
    state.cmbSourceHistory = runState.cmbSourceHistory;
    state.cmbTargetHistory = runState.cmbTargetHistory;
    options.chkExecute = runOptions.chkExecute;
}

} // namespace tidecopy
