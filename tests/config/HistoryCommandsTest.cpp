#include "config/HistoryCommands.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

MainState withHistories() {
    MainState state;
    state.cmbSourceHistory = {{"/a", "/b", "/c"}, 1};
    state.cmbTargetHistory = {{"/x", "/y"}, -1};
    return state;
}

TEST(HistoryCommands, ClearEmptiesOnlyTheActiveHistory) {
    MainState state = withHistories();
    clearHistory(state, Pane::Source);
    EXPECT_TRUE(state.cmbSourceHistory.items.empty());
    EXPECT_EQ(state.cmbSourceHistory.selected, -1);
    EXPECT_EQ(state.cmbTargetHistory.items.size(), 2u);

    state = withHistories();
    clearHistory(state, Pane::Destination);
    EXPECT_EQ(state.cmbSourceHistory.items.size(), 3u);
    EXPECT_TRUE(state.cmbTargetHistory.items.empty());
}

// Without a selection (or one past the end) nothing goes.
TEST(HistoryCommands, RemoveTakesOutTheSelectedEntryOnly) {
    MainState state = withHistories();
    EXPECT_FALSE(canRemoveSelectedEntry(state.cmbTargetHistory));
    EXPECT_FALSE(canRemoveSelectedEntry({{"/x", "/y"}, 2}));
    removeSelectedHistoryEntry(state, Pane::Destination);
    EXPECT_EQ(state, withHistories());
    EXPECT_TRUE(canRemoveSelectedEntry(state.cmbSourceHistory));
    removeSelectedHistoryEntry(state, Pane::Source);
    EXPECT_EQ(state.cmbSourceHistory.items, (std::vector<std::string>{"/a", "/c"}));
    EXPECT_FALSE(canRemoveSelectedEntry(state.cmbSourceHistory));
}

TEST(HistoryCommands, ErrorMessagesWithAndWithoutTheStartUpWording) {
    const std::error_code missing = std::make_error_code(std::errc::no_such_file_or_directory);
    const HistoryErrorMessage loading = historyErrorMessage("E:\\", missing, StartUpPhase::Loading);
    EXPECT_EQ(loading.title, "Error reading drive. Err Nr:2");
    EXPECT_EQ(loading.text, "Could not access drive E:\\ during recall of last used folders."
                            "\r\n\r\nPlease select another drive.");
    const HistoryErrorMessage done = historyErrorMessage("/media/usb", missing, StartUpPhase::Done);
    EXPECT_EQ(done.text, "Could not access drive /media/usb\r\n\r\nNo such file or directory");
}

} // namespace
} // namespace tidecopy
