#include "config/CopyOptions.h"

#include "platform/Prompts.h"

namespace tidecopy {

bool checkOptions(const MainState& state, Prompts& prompts) {
    if (state.chkOnlyNewFiles.checked || state.chkChangedFiles.checked)
        return false;
    prompts.message("Copy files Conditionally", "Enable at least one condition please.",
                    PromptButtons::Ok, PromptIcon::Information);
    return true;
}

} // namespace tidecopy
