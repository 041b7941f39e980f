#include "config/MainState.h"

namespace tidecopy {

void MainState::selectCopyMode(CopyMode mode) {
    copyMode = mode;
    const bool conditional = mode == CopyMode::SelectiveCopy;
    chkOnlyNewFiles.enabled = conditional;
    chkChangedFiles.enabled = conditional;
    chkPreserveFiles.enabled = conditional;
}

} // namespace tidecopy
