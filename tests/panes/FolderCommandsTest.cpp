#include "panes/FolderCommands.h"

#include "config/MainState.h"
#include "panes/FolderTree.h"
#include "panes/Panes.h"
#include "platform/FileSystemError.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

namespace fs = std::filesystem;
using test::FsOperation;
using namespace FolderMenuItem;

// The volume disk holds the source pane's folder disk/a (a file, a sub-folder with a file)
// and the destination pane's disk/b; the source pane is active.
class FolderCommandsTest : public testing::Test {
protected:
    FolderCommandsTest() {
        temp.writeFile("disk/a/a.txt", "aaa");
        temp.writeFile("disk/a/sub/inner.txt", "inner");
        temp.writeFile("disk/b/b.txt", "bbb");
        temp.writeFile("disk/outside/keep.txt", "keep");
        fake.volumes.add(temp / "disk");
        fake.environment.windowsFolder = temp / "disk/Windows/";
        fake.environment.systemFolder = temp / "disk/Windows/system32";
        show(Pane::Destination, "disk/b");
        show(Pane::Source, "disk/a");
    }

    std::string path(std::string_view relative) const { return temp / relative; }
    void show(Pane pane, std::string_view folder) {
        ASSERT_FALSE(panes.setFolder(pane, path(folder))) << folder;
    }
    PaneActionContext context() {
        return {fsys, PathStyle::posix(), prompts, [this](std::string_view text) { log += text; },
                RunControl{&cancel, {}}};
    }
    // A command as the window runs it; false when it ended early, without the refresh.
    bool perform(int item) {
        FileCommandStep step = commands.run(item);
        if (step.endedEarly)
            return false;
        files.finish(step.work ? step.work(context()) : FileWorkResult{});
        return true;
    }
    TreeDeletion deleteTree(std::string_view folder) {
        return DeleteFolderTree(context(), path(folder), fake.volumes.mountPoints());
    }
    void expectDeleteQuestion(std::string_view folder, const std::string& extent,
                              PromptAnswer answer = PromptAnswer::Yes) {
        prompts.expectMessage("Delete Folder(s)!",
                              "Are you sure to delete '" + path(folder) + "'" + extent + "?",
                              PromptButtons::YesNoCancel, answer);
    }

    test::TempFolder temp;
    test::FaultyFileSystem fsys;
    test::FakePlatform fake{fsys};
    test::ScriptedPrompts prompts;
    MainState state;
    Panes panes{fake.platform, prompts, state, PathStyle::posix()};
    FileCommands files{panes, fake.platform, prompts};
    FolderCommands commands{files, panes, fake.platform, prompts};
    std::string log;
    std::atomic<bool> cancel{false};
};

TEST(FolderMenu, RenameAndDeleteFollowThePaneTheMenuOpensOn) {
    for (int item : {Properties, Paste, Rename, New, Delete, Find, RunExplorer, ExitMenu}) {
        EXPECT_TRUE(folderMenuItemEnabled(item, true)) << item;
        EXPECT_EQ(folderMenuItemEnabled(item, false), item != Rename && item != Delete) << item;
    }
}

TEST_F(FolderCommandsTest, DeleteAsksWithTheExtentOfDirectSubFoldersAndShowsTheParent) {
    struct Case {
        std::vector<std::string> folders; // below disk/t
        std::string extent;
    };
    const Case cases[] = {
        {{}, " folder"},
        {{"one/deeper/deepest"}, " and the sub-folder"},
        {{"x", "y", "z/deeper", ".hidden/inner"}, " and all 3 sub-folders"},
        {{".hidden"}, " folder"},
    };
    for (const Case& c : cases) {
        temp.writeFile("disk/t/file.txt", "t");
        for (const std::string& folder : c.folders)
            temp.writeFile("disk/t/" + folder + "/f", "f");
        show(Pane::Destination, "disk/t");
        panes.setCopiedFile(path("disk/b/b.txt"));
        log.clear();
        expectDeleteQuestion("disk/t", c.extent);
        prompts.expectMessage("Delete Folder", "Folder(s) deleted succesfully.", PromptButtons::Ok);
        EXPECT_TRUE(perform(Delete));
        EXPECT_FALSE(temp.exists("disk/t")) << c.extent;
        EXPECT_EQ(log, "User deleted " + c.extent + " :" + path("disk/t") + "\r\n");
        EXPECT_EQ(panes.pane(Pane::Destination).folder, path("disk"));
        EXPECT_EQ(panes.ActivePane(), Pane::Destination);
        EXPECT_TRUE(panes.CopiedFile().empty());
    }
    // Any answer but Yes deletes nothing and keeps the mark.
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Cancel}) {
        panes.setCopiedFile(path("disk/b/b.txt"));
        show(Pane::Source, "disk/a");
        expectDeleteQuestion("disk/a", " and the sub-folder", answer);
        EXPECT_TRUE(perform(Delete));
        EXPECT_TRUE(temp.exists("disk/a/sub/inner.txt"));
        EXPECT_EQ(panes.CopiedFile(), path("disk/b/b.txt"));
    }
}

TEST_F(FolderCommandsTest, TheSystemFoldersAndDriveRootsAreRefusedInAnyLetterCase) {
    temp.makeFolder("disk/windows/SYSTEM32");
    temp.makeFolder("disk/windows/temp");
    temp.makeFolder("disk/bound");
    fake.volumes.otherMounts.push_back(path("disk/bound"));
    struct Case {
        std::string folder;
        int item;
        std::string title;
        std::string text; // empty: not refused
    };
    const Case cases[] = {
        {"disk/windows", Rename, "Rename folders",
         "Sorry, but renaming the Windows folder is not permitted with this program."},
        {"disk/windows/SYSTEM32", Rename, "Rename folders",
         "Sorry, but renaming the Windows\\System folder is not permitted with this program."},
        {"disk/windows", Delete, "Delete folders",
         "Sorry, but deleting the Windows folder is not permitted with this program."},
        {"disk/windows/SYSTEM32", Delete, "Delete folders",
         "Sorry, but deleting the Windows\\System folder is not permitted with this program."},
        {"disk", Delete, "Delete folders",
         "Sorry, but deleting the root folder of a drive is not permitted with this program."},
        {"disk/bound", Rename, "Rename folders",
         "Sorry, but renaming the root folder of a drive is not permitted with this program."},
        {"disk/windows/temp", Delete, "", ""},
    };
    for (const Case& c : cases) {
        show(Pane::Source, c.folder);
        if (c.text.empty()) {
            expectDeleteQuestion(c.folder, " folder", PromptAnswer::No);
            EXPECT_TRUE(perform(c.item)) << c.folder;
            continue;
        }
        prompts.expectMessage(c.title, c.text, PromptButtons::Ok);
        EXPECT_FALSE(perform(c.item)) << c.folder;
        EXPECT_TRUE(temp.exists(c.folder));
    }
}

TEST_F(FolderCommandsTest, RenameMovesThePaneAndClearsTheMarkOnceItWasTried) {
    temp.makeFolder("disk/taken");
    struct Case {
        std::optional<std::string> answer;
        std::string message; // after the input box; "!" for the overwrite question
        bool renamed;
        bool markCleared;
    };
    const Case cases[] = {
        {std::nullopt, "", false, false},
        {"", "", false, false},
        {"A", "Could not rename the folder 'a'", false, false},
        {"../escaped", "Could not rename the folder 'a'", false, false},
        {"taken", "!", false, true},
        {"renamed", "", true, true},
    };
    for (const Case& c : cases) {
        panes.setCopiedFile(path("disk/b/b.txt"));
        log.clear();
        prompts.expectInput("Rename Folder",
                            "Type in the new name for folder '" + path("disk/a") + "'", c.answer);
        if (c.message == "!") {
            prompts.expectMessage("Overwrite confirmation",
                                  "Do you wish to overwrite the target file?", PromptButtons::YesNo,
                                  PromptAnswer::Yes);
            prompts.expectMessage("Cannot perform operation", "Cannot overwrite a directory",
                                  PromptButtons::Ok);
        } else if (!c.message.empty()) {
            prompts.expectMessage("Rename Folder", c.message, PromptButtons::Ok);
        }
        EXPECT_TRUE(perform(Rename));
        EXPECT_EQ(temp.exists("disk/renamed/sub/inner.txt"), c.renamed);
        EXPECT_EQ(panes.CopiedFile().empty(), c.markCleared) << c.message;
        if (!c.renamed) {
            EXPECT_TRUE(temp.exists("disk/a/sub/inner.txt"));
            EXPECT_EQ(panes.pane(Pane::Source).folder, path("disk/a"));
            EXPECT_EQ(log, "");
        }
    }
    EXPECT_EQ(panes.pane(Pane::Source).folder, path("disk/renamed"));
    EXPECT_EQ(log,
              "User renamed folder " + path("disk/a") + " to " + path("disk/renamed") + "\r\n");
}

TEST_F(FolderCommandsTest, APaneInsideARenamedOrDeletedFolderFollowsIt) {
    show(Pane::Destination, "disk/a/sub");
    show(Pane::Source, "disk/a");
    prompts.expectInput("Rename Folder", "Type in the new name for folder '" + path("disk/a") + "'",
                        "c");
    EXPECT_TRUE(perform(Rename));
    EXPECT_EQ(panes.pane(Pane::Destination).folder, path("disk/c/sub"));
    EXPECT_EQ(panes.ActivePane(), Pane::Source);
    expectDeleteQuestion("disk/c", " and the sub-folder");
    prompts.expectMessage("Delete Folder", "Folder(s) deleted succesfully.", PromptButtons::Ok);
    EXPECT_TRUE(perform(Delete));
    EXPECT_EQ(panes.pane(Pane::Destination).folder, path("disk"));
    EXPECT_EQ(panes.pane(Pane::Source).folder, path("disk"));
    EXPECT_EQ(panes.ActivePane(), Pane::Source);
    EXPECT_FALSE(state.DriveErrorFlag);
}

TEST_F(FolderCommandsTest, NewCreatesOnePlainFolderAndLeavesThePaneWhereItIs) {
    fsys.failOn(FsOperation::CreateFolder, "full",
                std::make_error_code(std::errc::no_space_on_device));
    struct Case {
        std::optional<std::string> answer;
        std::string title; // of the message; empty: none
        std::string text;
    };
    const Case cases[] = {
        {std::nullopt, "", ""},
        {"sub", "New Folder. Error nr 0",
         "Could not create the folder 'sub'\r\nFolder already exist or is not accessible."},
        {"a.txt", "New Folder. Error nr 0",
         "Could not create the folder 'a.txt'\r\nFolder already exist or is not accessible."},
        {"../escaped", "New folder.Invalid argument", "Could not create new folder ../escaped"},
        {"full", "New folder.No space left on device", "Could not create new folder full"},
        {"New Folder", "", ""},
    };
    for (const Case& c : cases) {
        log.clear();
        prompts.expectInput("Create New Folder", "Type in the name for the folder", c.answer);
        if (!c.title.empty())
            prompts.expectMessage(c.title, c.text, PromptButtons::Ok);
        EXPECT_TRUE(perform(New));
        EXPECT_EQ(log,
                  c.title.empty() && c.answer ? "User create a new folder: New Folder\r\n" : "");
    }
    EXPECT_TRUE(fs::is_directory(path("disk/a/New Folder")));
    EXPECT_FALSE(temp.exists("disk/escaped"));
    EXPECT_EQ(panes.pane(Pane::Source).folder, path("disk/a"));
    EXPECT_EQ(panes.pane(Pane::Source).contents.subFolders,
              (std::vector<std::string>{"New Folder", "sub"}));
}

TEST_F(FolderCommandsTest, ShellCommandsAndPasteActOnTheFolder) {
    panes.setCopiedFile(path("disk/b/b.txt"));
    for (int item : {Properties, Find, RunExplorer, Paste, ExitMenu})
        EXPECT_TRUE(perform(item)) << item;
    EXPECT_EQ(fake.shell.requests,
              (std::vector<std::string>{"properties " + path("disk/a"), "search " + path("disk/a"),
                                        "folder " + path("disk/a")}));
    EXPECT_EQ(temp.readFile("disk/a/b.txt"), "bbb");
}

// What a tree's deletion leaves: a link goes as itself, never what it leads to; another
// file system below the folder stays, and so does every folder above it.
TEST_F(FolderCommandsTest, DeleteFolderTreeNeverLeavesTheTree) {
    temp.writeFile("disk/t/deep/file.txt", "x");
    temp.writeFile("disk/t/readonly.txt", "r");
    fs::permissions(path("disk/t/readonly.txt"), fs::perms::owner_read);
    fs::create_symlink(path("disk/outside"), path("disk/t/deep/folderlink"));
    fs::create_symlink(path("disk/outside/keep.txt"), path("disk/t/filelink"));
    fs::create_symlink(path("disk/t"), path("disk/t/deep/loop"));
    temp.writeFile("disk/t/locked/inner.txt", "i");
    fs::permissions(path("disk/t/locked"), fs::perms::owner_read | fs::perms::owner_exec);
    TreeDeletion deletion = deleteTree("disk/t/");
    EXPECT_TRUE(deletion.deleted);
    EXPECT_EQ(fsys.callCount(FsOperation::SetPermissions), 1) << "only the read-only folder";
    EXPECT_FALSE(deletion.error);
    EXPECT_FALSE(temp.exists("disk/t"));
    EXPECT_EQ(temp.readFile("disk/outside/keep.txt"), "keep");

    // A chosen folder that is a link: only the link goes.
    fs::create_symlink(path("disk/outside"), path("disk/link"));
    EXPECT_TRUE(deleteTree("disk/link").deleted);
    EXPECT_FALSE(fs::is_symlink(path("disk/link")));
    EXPECT_EQ(temp.readFile("disk/outside/keep.txt"), "keep");

    // Missing, a file, a mount point itself or below.
    temp.writeFile("disk/m/mounted/data.txt", "on another volume");
    temp.writeFile("disk/m/other.txt", "o");
    fake.volumes.otherMounts.push_back(path("disk/m/mounted"));
    struct Case {
        std::string folder;
        std::string failedPath;
        std::error_code error;
    };
    const Case cases[] = {
        {"disk/missing", "disk/missing",
         std::make_error_code(std::errc::no_such_file_or_directory)},
        {"disk/a/a.txt", "disk/a/a.txt", std::make_error_code(std::errc::not_a_directory)},
        {"disk/m/mounted", "disk/m/mounted", make_error_code(FileSystemError::OtherFileSystem)},
        {"disk/m", "disk/m/mounted", make_error_code(FileSystemError::OtherFileSystem)},
    };
    for (const Case& c : cases) {
        deletion = deleteTree(c.folder);
        EXPECT_FALSE(deletion.deleted) << c.folder;
        EXPECT_EQ(deletion.failedPath, path(c.failedPath)) << c.folder;
        EXPECT_EQ(deletion.error, c.error) << c.folder;
    }
    EXPECT_EQ(temp.readFile("disk/m/mounted/data.txt"), "on another volume");
    EXPECT_FALSE(temp.exists("disk/m/other.txt"));
    // Where the folder's parent cannot be resolved, opened or its device told, nothing is
    // touched.
    for (FsOperation operation :
         {FsOperation::CanonicalPath, FsOperation::OpenFolder, FsOperation::IdentityOf}) {
        fsys.clearFaults();
        fsys.failOn(operation, "disk/", std::make_error_code(std::errc::io_error));
        deletion = deleteTree("disk/m");
        EXPECT_FALSE(deletion.deleted);
        EXPECT_EQ(deletion.error, std::make_error_code(std::errc::io_error));
        EXPECT_TRUE(temp.exists("disk/m/mounted/data.txt"));
    }
}

// A failure anywhere is named and never reported as a deleted folder; what could go went,
// what stayed keeps every folder above it.
TEST_F(FolderCommandsTest, AFailedDeleteNamesTheEntryThatStayed) {
    struct Case {
        FsOperation operation;
        std::string where;
        std::errc error;
        std::string failedPath;
    };
    const Case cases[] = {
        {FsOperation::RemoveFile, "t/x/locked.txt", std::errc::operation_not_permitted,
         "disk/t/x/locked.txt"},
        {FsOperation::RemoveFolder, "t/x", std::errc::device_or_resource_busy, "disk/t/x"},
        {FsOperation::ListFolder, "t/x", std::errc::io_error, "disk/t/x"},
        {FsOperation::OpenFolder, "t/x", std::errc::permission_denied, "disk/t/x"},
        {FsOperation::IdentityOf, "t/x", std::errc::io_error, "disk/t/x"},
        {FsOperation::SetPermissions, "t/x", std::errc::read_only_file_system, "disk/t/x"},
    };
    for (const Case& c : cases) {
        temp.writeFile("disk/t/x/locked.txt", "l");
        temp.writeFile("disk/t/x/free.txt", "f");
        temp.writeFile("disk/t/y/free.txt", "f");
        fs::permissions(path("disk/t/x"), fs::perms::owner_read | fs::perms::owner_exec);
        show(Pane::Source, "disk/t");
        fsys.clearFaults();
        fsys.failOn(c.operation, c.where, std::make_error_code(c.error));
        expectDeleteQuestion("disk/t", " and all 2 sub-folders");
        prompts.expectMessage("Delete Folder",
                              "Could not delete '" + path(c.failedPath) + "' (" +
                                  std::make_error_code(c.error).message() + ").\r\nThe folder '" +
                                  path("disk/t") + "' may be partly deleted.",
                              PromptButtons::Ok);
        log.clear();
        EXPECT_TRUE(perform(Delete));
        EXPECT_TRUE(temp.exists("disk/t/x")) << c.where;
        EXPECT_FALSE(temp.exists("disk/t/y")) << c.where;
        EXPECT_EQ(log, "");
        EXPECT_EQ(panes.pane(Pane::Source).folder, path("disk/t"));
    }
    // Cancel stops between entries: the folder stays and no message says otherwise.
    fsys.clearFaults();
    cancel = true;
    expectDeleteQuestion("disk/t", " and the sub-folder");
    EXPECT_TRUE(perform(Delete));
    EXPECT_TRUE(temp.exists("disk/t/x"));
}

} // namespace
} // namespace tidecopy
