#include "config/CopyOptions.h"

#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(CheckOptions, WarnsOnlyWhenNeitherConditionIsChecked) {
    for (const bool newFiles : {false, true}) {
        for (const bool changedFiles : {false, true}) {
            MainState state;
            state.chkOnlyNewFiles.checked = newFiles;
            state.chkChangedFiles.checked = changedFiles;
            test::ScriptedPrompts prompts;
            const bool warn = !newFiles && !changedFiles;
            if (warn)
                prompts.expectMessage("Copy files Conditionally",
                                      "Enable at least one condition please.", PromptButtons::Ok);
            EXPECT_EQ(checkOptions(state, prompts), warn);
            // The warning checks nothing itself.
            EXPECT_EQ(state.chkOnlyNewFiles.checked, newFiles);
        }
    }
}

} // namespace
} // namespace tidecopy
