#include "config/FolderHistory.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(AddToHistory, NewFoldersGoFirstAndKnownOnesStayWhereTheyAre) {
    struct Case {
        const char* name;
        std::vector<std::string> before;
        int selectedBefore;
        std::string folder;
        std::vector<std::string> after;
        int selectedAfter;
        PathStyle style = PathStyle::posix();
    };
    const Case cases[] = {
        {"empty history", {}, -1, "/data", {"/data"}, -1},
        {"new folder in front", {"/a", "/b"}, 1, "/c", {"/c", "/a", "/b"}, 2},
        {"known folder stays", {"/a", "/b"}, 0, "/b", {"/a", "/b"}, 0},
        {"case makes another folder on POSIX",
         {"/Data/Proj"},
         0,
         "/data/proj",
         {"/data/proj", "/Data/Proj"},
         1},
        {"case does not make a new entry on Windows",
         {"C:\\Data\\Proj"},
         -1,
         "c:\\data\\proj",
         {"C:\\Data\\Proj"},
         -1,
         PathStyle::windows()},
        {"eleventh entry is kept while running",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         -1,
         "new",
         {"new", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainState state;
        state.cmbSourceHistory = {c.before, c.selectedBefore};
        state.cmbTargetHistory = {c.before, c.selectedBefore};
        state.Dir1 = c.folder;
        state.Dir2 = c.folder;
        AddToHistory(state, c.style);
        EXPECT_EQ(state.cmbSourceHistory.items, c.after);
        EXPECT_EQ(state.cmbSourceHistory.selected, c.selectedAfter);
        EXPECT_EQ(state.cmbTargetHistory.items, c.after);
    }
}

TEST(AddToHistory, EachPaneGoesToItsOwnHistory) {
    MainState state;
    state.Dir1 = "/source";
    state.Dir2 = "/backup";
    AddToHistory(state);
    EXPECT_EQ(state.cmbSourceHistory.items, std::vector<std::string>{"/source"});
    EXPECT_EQ(state.cmbTargetHistory.items, std::vector<std::string>{"/backup"});
}

} // namespace
} // namespace tidecopy
