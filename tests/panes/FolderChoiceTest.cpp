#include "panes/FolderChoice.h"

#include "config/MainState.h"
#include "panes/Panes.h"
#include "platform/Errors.h"
#include "platform/NativeFileSystem.h"
#include "support/FakePlatform.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

class FolderChoiceTest : public testing::Test {
protected:
    FolderChoiceTest() {
        m_temp.makeFolder("home/Music");
        m_temp.makeFolder("home/start");
        volumes.add(m_temp.path());
        panes.setFolder(Pane::Source, m_temp / "home/start");
        panes.setFolder(Pane::Destination, m_temp / "home/start");
    }

    test::TempFolder m_temp;
    NativeFileSystem fs;
    test::FakePlatform fake{fs};
    test::FakeVolumes& volumes = fake.volumes;
    test::FakeShell& shell = fake.shell;
    test::ScriptedPrompts prompts;
    MainState state;
    Panes panes{fake.platform, prompts, state, PathStyle::native()};
};

TEST_F(FolderChoiceTest, AHistoryEntryMovesItsPane) {
    state.cmbTargetHistory = {{m_temp / "home/Music"}, 0};
    ASSERT_FALSE(chooseHistoryEntry(panes, state, prompts, Pane::Destination, StartUpPhase::Done));
    EXPECT_EQ(state.Dir2, m_temp / "home/Music");
    EXPECT_EQ(state.Dir1, m_temp / "home/start");
}

TEST_F(FolderChoiceTest, AMissingHistoryFolderIsReportedWithTheWordingOfThePhase) {
    state.cmbSourceHistory = {{m_temp / "gone"}, 0};
    // A POSIX drive is the volume's mount point; a Windows one the path's drive letter, and
    // Windows reports a missing folder as its path not found (3).
    const bool windows = PathStyle::native().flavor() == PathStyle::Flavor::Windows;
    const std::string drive = "Could not access drive " +
                              (windows ? PathStyle::native().rootOf(m_temp.path()) : m_temp.path());
    const int missing = windows ? 3 : 2;
    for (const auto& [phase, text] :
         {std::pair{StartUpPhase::Loading, drive + " during recall of last used folders.\r\n\r\n"
                                                   "Please select another drive."},
          std::pair{StartUpPhase::Done,
                    drive + "\r\n\r\n" + describeError(errorFromNative(missing))}}) {
        prompts.expectMessage("Error reading drive. Err Nr:" + std::to_string(missing), text,
                              PromptButtons::Ok);
        EXPECT_TRUE(chooseHistoryEntry(panes, state, prompts, Pane::Source, phase));
        EXPECT_EQ(state.Dir1, m_temp / "home/start");
    }
}

TEST_F(FolderChoiceTest, NoSelectionOrAnEmptyEntryDoesNothing) {
    state.cmbSourceHistory = {{""}, -1};
    EXPECT_FALSE(chooseHistoryEntry(panes, state, prompts, Pane::Source, StartUpPhase::Done));
    state.cmbSourceHistory.selected = 0;
    EXPECT_FALSE(chooseHistoryEntry(panes, state, prompts, Pane::Source, StartUpPhase::Done));
    EXPECT_EQ(state.Dir1, m_temp / "home/start");
}

TEST_F(FolderChoiceTest, PresetButtonsMoveTheirOwnPaneToTheUserFolder) {
    std::vector<UserFolder> asked;
    const UserFolderLookup lookUp = [&](UserFolder folder) {
        asked.push_back(folder);
        return folder == UserFolder::Music ? m_temp / "home/Music" : m_temp / "home/missing";
    };
    ASSERT_FALSE(choosePresetFolder(panes, 8, lookUp));
    EXPECT_EQ(state.Dir2, m_temp / "home/Music");
    EXPECT_EQ(state.Dir1, m_temp / "home/start");

    // A user folder that does not exist leaves the pane unchanged.
    EXPECT_TRUE(choosePresetFolder(panes, 1, lookUp));
    EXPECT_EQ(state.Dir1, m_temp / "home/start");
    EXPECT_EQ(asked, (std::vector<UserFolder>{UserFolder::Music, UserFolder::Documents}));
}

// Presets 0 to 4 are the source pane's, 5 to 9 the destination pane's.
TEST_F(FolderChoiceTest, EachPresetMovesItsOwnPane) {
    const std::string music = m_temp / "home/Music";
    for (const auto& [index, pane] : {std::pair{0, Pane::Source}, std::pair{4, Pane::Source},
                                      std::pair{5, Pane::Destination}}) {
        SCOPED_TRACE(index);
        for (Pane each : bothPanes)
            panes.setFolder(each, m_temp / "home/start");
        ASSERT_FALSE(choosePresetFolder(panes, index, [&](UserFolder) { return music; }));
        EXPECT_EQ(state.Dir1, pane == Pane::Source ? music : m_temp / "home/start");
        EXPECT_EQ(state.Dir2, pane == Pane::Destination ? music : m_temp / "home/start");
    }
}

TEST_F(FolderChoiceTest, APresetTheSystemDoesNotNameLeavesThePaneUnchanged) {
    EXPECT_TRUE(choosePresetFolder(panes, 5, [](UserFolder) { return std::string{}; }));
    EXPECT_EQ(state.Dir2, m_temp / "home/start");
    EXPECT_TRUE(choosePresetFolder(panes, 10, [](UserFolder) { return std::string{"/"}; }));
}

} // namespace
} // namespace tidecopy
