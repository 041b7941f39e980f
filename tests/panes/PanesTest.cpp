#include "panes/Panes.h"

#include "config/MainState.h"
#include "panes/DriveTexts.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

using test::FsOperation;

// Two "drives" inside the temporary folder: disk (holding the folders) and usb.
class PanesTest : public testing::Test {
protected:
    PanesTest() {
        m_temp.writeFile("disk/data/b.txt", "bb");
        m_temp.writeFile("disk/data/A.txt", "a");
        m_temp.writeFile("disk/data/.hidden", "h");
        m_temp.makeFolder("disk/data/Sub");
        m_temp.makeFolder("disk/data/.config");
        m_temp.makeFolder("disk/data/empty");
        m_temp.makeFolder("usb/photos");
        volumes.add(m_temp / "disk", "", {37'000'000'000, 120'000'000'000});
        volumes.add(m_temp / "usb", "STICK", {2'000'000'000, 8'000'000'000});
        panes.setListener([this](const PaneChange& change) { changes.push_back(change); });
        fake.platform.formats.generalDate = [](const LocalDateTime&) {
            return "DATE";
        };
    }

    std::string path(std::string_view relative) const { return m_temp / relative; }
    // The free-space text's name for the volume of a folder: its mount point on POSIX,
    // the drive's letter and colon on Windows.
    std::string freeSpaceDrive(std::string_view relative) const {
        return PathStyle::native().flavor() == PathStyle::Flavor::Windows
                   ? driveTextInMessages(PathStyle::native(), path(relative).substr(0, 2))
                   : path(relative);
    }

    test::TempFolder m_temp;
    test::FaultyFileSystem fs;
    test::FakePlatform fake{fs};
    test::FakeVolumes& volumes = fake.volumes;
    test::FakeShell& shell = fake.shell;
    test::ScriptedPrompts prompts;
    MainState state;
    Panes panes{fake.platform, prompts, state, PathStyle::native()};
    std::vector<PaneChange> changes;
};

TEST_F(PanesTest, OpeningAFolderFillsThePaneAndSelectsItsFirstFileIfAny) {
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("disk/data/")));
    const PaneState& pane = panes.pane(Pane::Source);
    EXPECT_EQ(pane.folder, path("disk/data"));
    EXPECT_EQ(state.Dir1, path("disk/data"));
    EXPECT_EQ(pane.drive, path("disk"));
    EXPECT_EQ(pane.contents.files, (std::vector<std::string>{"A.txt", "b.txt"}));
    EXPECT_EQ(pane.contents.subFolders, (std::vector<std::string>{".config", "empty", "Sub"}));
    EXPECT_EQ(pane.lblTotalFiles, "Total file count = 2");
    EXPECT_EQ(pane.selectedFile, 0);
    EXPECT_EQ(panes.labels().lblFileInfo, "A.txt DATE - 1kB");
    EXPECT_EQ(panes.labels().lblDirSize, "0Mb");
    EXPECT_EQ(panes.ActivePane(), Pane::Source);
    EXPECT_TRUE(pane.folderRenameDeleteEnabled);

    // Selecting a file shows its information and makes its pane active.
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("disk/data")));
    panes.selectFile(Pane::Source, 1);
    EXPECT_EQ(panes.ActivePane(), Pane::Source);
    EXPECT_EQ(panes.labels().lblFileInfo, "b.txt DATE - 1kB");

    // An empty folder selects nothing and keeps the file information.
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("disk/data/empty")));
    EXPECT_EQ(panes.pane(Pane::Source).lblTotalFiles, "Total file count = 0");
    EXPECT_EQ(panes.pane(Pane::Source).selectedFile, -1);
    EXPECT_EQ(panes.labels().lblFileInfo, "b.txt DATE - 1kB");
}

TEST_F(PanesTest, NavigatingOnePaneLeavesTheOtherAlone) {
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("disk/data")));
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("usb")));
    const PaneState destinationBefore = panes.pane(Pane::Destination);
    changes.clear();

    panes.openFolder(Pane::Source, path("disk/data/Sub"));

    EXPECT_EQ(panes.pane(Pane::Destination).folder, destinationBefore.folder);
    EXPECT_EQ(panes.pane(Pane::Destination).lblFolderName, destinationBefore.lblFolderName);
    EXPECT_EQ(panes.pane(Pane::Destination).lblTotalFiles, destinationBefore.lblTotalFiles);
    EXPECT_EQ(state.Dir2, path("usb"));
    ASSERT_FALSE(changes.empty());
    for (const PaneChange& change : changes)
        EXPECT_EQ(change.pane, Pane::Source);
}

TEST_F(PanesTest, RenameAndDeleteOfTheFolderAreOffAtADriveRootOnly) {
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("usb")));
    EXPECT_FALSE(panes.pane(Pane::Destination).folderRenameDeleteEnabled);
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("usb/photos")));
    EXPECT_TRUE(panes.pane(Pane::Destination).folderRenameDeleteEnabled);
    ASSERT_FALSE(panes.setFolder(Pane::Destination, PathStyle::native().rootOf(path(""))));
    EXPECT_FALSE(panes.pane(Pane::Destination).folderRenameDeleteEnabled);
}

TEST_F(PanesTest, AFolderThatCannotBeOpenedLeavesThePaneAsItWas) {
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("disk/data")));
    fs.failOn(FsOperation::ListFolder, "Sub", std::make_error_code(std::errc::permission_denied));
    state.DriveErrorFlag = false;

    panes.openFolder(Pane::Source, path("disk/data/Sub"));

    EXPECT_EQ(panes.pane(Pane::Source).folder, path("disk/data"));
    EXPECT_EQ(state.Dir1, path("disk/data"));
    EXPECT_EQ(panes.pane(Pane::Source).contents.files.size(), 2u);
    EXPECT_TRUE(state.DriveErrorFlag);
}

TEST_F(PanesTest, AFolderThatCanNoLongerBeReadKeepsItsListsAndShowsNoSize) {
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("disk/data")));
    const std::string name = panes.pane(Pane::Source).lblFolderName;
    fs.failOn(FsOperation::ListFolder, "data", std::make_error_code(std::errc::io_error));

    panes.refreshFolder(Pane::Source);

    EXPECT_EQ(panes.labels().lblDirSize, "0Mb");
    EXPECT_EQ(panes.pane(Pane::Source).lblFolderName, name);
    EXPECT_EQ(panes.pane(Pane::Source).lblTotalFiles, "Total file count = 2");
    EXPECT_EQ(panes.pane(Pane::Source).contents.files.size(), 2u);
    EXPECT_TRUE(state.DriveErrorFlag);
}

TEST_F(PanesTest, ChoosingADriveShowsItsFreeSpaceAndReturnsToItsLastFolder) {
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("usb/photos")));
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("disk/data")));

    ASSERT_FALSE(panes.chooseDrive(Pane::Destination, path("usb")));

    EXPECT_EQ(panes.pane(Pane::Destination).folder, path("usb/photos"));
    EXPECT_EQ(panes.ActiveDrive(), Pane::Destination);
    EXPECT_EQ(panes.labels().lblFreeSpace, freeSpaceDrive("usb") + " 2 Gb free of 8 Gb");
}

TEST_F(PanesTest, ADriveThatCannotBeReadIsReportedAndTheDriveListGoesBack) {
    fs.failOn(FsOperation::ListFolder, "usb", std::make_error_code(std::errc::no_such_device));
    // Only the source pane writes "Drive" with a capital.
    for (const auto& [side, title] :
         {std::pair{Pane::Source, "Error reading Drive. Error Nr:19"},
          std::pair{Pane::Destination, "Error reading drive. Error Nr:19"}}) {
        ASSERT_FALSE(panes.setFolder(side, path("disk/data")));
        prompts.expectMessage(
            title,
            "Could not access drive " +
                driveTextInMessages(PathStyle::native(), path("usb") + " [STICK]") +
                "\r\n\r\nNo such device",
            PromptButtons::Ok);

        EXPECT_TRUE(panes.chooseDrive(side, path("usb")));

        EXPECT_EQ(panes.pane(side).drive, path("disk")) << indexOf(side);
        EXPECT_EQ(panes.pane(side).folder, path("disk/data")) << indexOf(side);
        EXPECT_EQ(panes.ActiveDrive(), side);
    }
}

TEST_F(PanesTest, DoubleClickOpensTheFileOfThePaneFolder) {
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("disk/data")));
    ASSERT_FALSE(panes.openFile(Pane::Destination, 1));
    EXPECT_EQ(shell.opened, std::vector<std::string>{path("disk/data/b.txt")});
    EXPECT_TRUE(panes.openFile(Pane::Destination, 7));
    ASSERT_FALSE(panes.openFile(Pane::Destination, 0));
    EXPECT_EQ(shell.opened.back(), path("disk/data/A.txt"));
}

TEST_F(PanesTest, StartUpLabelsComeFromTheSourcePane) {
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("usb/photos")));
    ASSERT_FALSE(panes.setFolder(Pane::Destination, path("disk/data")));
    panes.fillStartUpLabels();
    EXPECT_EQ(panes.labels().lblFreeSpace, freeSpaceDrive("usb") + " 2 Gb free of 8 Gb");
    EXPECT_EQ(panes.pane(Pane::Source).lblTotalFiles, "Total file count = 0");
    EXPECT_EQ(panes.pane(Pane::Destination).lblTotalFiles, "Total file count = 2");
}

TEST_F(PanesTest, TheFolderListShowsTheAncestorsFromTheRoot) {
    if (PathStyle::native().flavor() == PathStyle::Flavor::Windows) {
        EXPECT_EQ(panes.ancestorsOf("D:\\home\\user\\"),
                  (std::vector<std::string>{"D:\\", "D:\\home", "D:\\home\\user"}));
        EXPECT_EQ(panes.ancestorsOf("D:\\"), std::vector<std::string>{"D:\\"});
        return;
    }
    EXPECT_EQ(panes.ancestorsOf("/home/user/"),
              (std::vector<std::string>{"/", "/home", "/home/user"}));
    EXPECT_EQ(panes.ancestorsOf("/"), std::vector<std::string>{"/"});
}

} // namespace
} // namespace tidecopy
