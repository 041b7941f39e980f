#include "engine/RunChanges.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// The window's state while a run went on: its panes moved on, its options stayed.
struct WindowState {
    MainState state;
    OptionSet options;
    WindowState() {
        state.Dir1 = "/moved/src";
        state.Dir2 = "/moved/dst";
        state.cmbPattern = {"*.txt", {"*.txt", "*.doc"}};
        state.cmbSourceHistory = {{"/old"}, 0};
        options.chkOnlyonce = 1;
        options.chkExecute = 1;
        options.AutoProfile = "nightly.prof";
    }
};

// A run's copies after it added its folders to the histories and settled the filter text.
RunChanges changesOfARun(std::int16_t chkExecute) {
    MainState runState;
    runState.Dir1 = "/src";
    runState.Dir2 = "/dst";
    runState.cmbPattern = {"*.*", {"*.txt"}};
    runState.cmbSourceHistory = {{"/src", "/old"}, -1};
    runState.cmbTargetHistory = {{"/dst"}, -1};
    OptionSet runOptions;
    runOptions.chkExecute = chkExecute;
    runOptions.AutoProfile = "other.prof";
    return runChangesOf(runState, runOptions);
}

TEST(RunChanges, TheWindowTakesBackWhatTheRunChangedAndKeepsTheRest) {
    struct Case {
        const char* name;
        RunStarter starter;
        std::int16_t runChkExecute; // as the run's after-backup actions left it
        std::int16_t chkOnlyonce;
        std::int16_t chkExecute; // the window's afterwards
    };
    const Case cases[] = {
        {"the user's run keeps the automation", RunStarter::User, 1, 1, 1},
        {"the run used up the automation", RunStarter::User, 0, 1, 0},
        {"the automation's run uses up a one-time automation", RunStarter::Automation, 1, 1, 0},
        {"the automation's run keeps a repeating one", RunStarter::Automation, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowState window;
        window.options.chkOnlyonce = c.chkOnlyonce;
        takeRunChanges(changesOfARun(c.runChkExecute), c.starter, window.state, window.options);

        EXPECT_EQ(window.state.cmbPattern.text, "*.*");
        EXPECT_EQ(window.state.cmbPattern.items, (std::vector<std::string>{"*.txt", "*.doc"}));
        EXPECT_EQ(window.state.cmbSourceHistory, (HistoryCombo{{"/src", "/old"}, -1}));
        EXPECT_EQ(window.state.cmbTargetHistory, (HistoryCombo{{"/dst"}, -1}));
        EXPECT_EQ(window.state.Dir1, "/moved/src");
        EXPECT_EQ(window.state.Dir2, "/moved/dst");
        EXPECT_EQ(window.options.chkExecute, c.chkExecute);
        EXPECT_EQ(window.options.AutoProfile, "nightly.prof");
    }
}

} // namespace
} // namespace tidecopy
