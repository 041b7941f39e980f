#include "panes/FileCommands.h"

#include "config/MainState.h"
#include "panes/Panes.h"
#include "panes/RenameFileOrDir.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedPrompts.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tidecopy {
namespace {

namespace fs = std::filesystem;
using test::FsOperation;
using namespace FileMenuItem;

std::error_code errorOf(std::errc e) {
    return std::make_error_code(e);
}

// The source pane shows disk/a (a.txt, b.txt, a hidden .env, a link and a sub-folder),
// the destination pane disk/b (an older b.txt and .env); the source pane is active with
// a.txt selected.
class FileCommandsTest : public testing::Test {
protected:
    FileCommandsTest() {
        temp.writeFile("disk/a/a.txt", "aaa");
        temp.writeFile("disk/a/b.txt", "bbb");
        test::makeHidden(temp.writeFile("disk/a/.env", "new env"));
        temp.writeFile("disk/a/sub/inner.txt", "inner");
        temp.writeFile("disk/outside.txt", "target of a link");
        test::makeSymlink(temp / "disk/outside.txt", temp / "disk/a/link.txt");
        temp.writeFile("disk/b/b.txt", "old");
        test::makeHidden(temp.writeFile("disk/b/.env", "old env"));
        fake.volumes.add(temp / "disk", "", {1'000'000, 2'000'000});
        EXPECT_FALSE(panes.setFolder(Pane::Destination, path("disk/b")));
        EXPECT_FALSE(panes.setFolder(Pane::Source, path("disk/a")));
    }

    std::string path(std::string_view relative) const { return temp / relative; }
    PaneActionContext context() {
        return {fsys, PathStyle::native(), prompts, [this](std::string_view text) { log += text; },
                RunControl{&cancel, {}}};
    }
    // A command as the window runs it: its first part, its work, then the refresh.
    bool perform(FileCommandStep step) {
        if (step.endedEarly)
            return false;
        commands.finish(step.work ? step.work(context()) : FileWorkResult{});
        return true;
    }
    bool perform(int item) { return perform(commands.run(item)); }
    // Reads the pane's folder again, as files came and went behind its back.
    void select(Pane pane, const std::string& name) {
        panes.refreshFolder(pane);
        const auto& files = panes.pane(pane).contents.files;
        panes.selectFile(
            pane, static_cast<int>(std::find(files.begin(), files.end(), name) - files.begin()));
    }
    // Temporaries of a copy left in a folder.
    std::size_t leftovers(std::string_view folder) const {
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(temp / folder))
            count += entry.path().filename().string().starts_with(".tidecopy-");
        return count;
    }

    test::TempFolder temp;
    test::FaultyFileSystem fsys;
    test::FakePlatform fake{fsys};
    test::ScriptedPrompts prompts;
    MainState state;
    Panes panes{fake.platform, prompts, state, PathStyle::native()};
    FileCommands commands{panes, fake.platform, prompts};
    std::string log;
    std::atomic<bool> cancel{false};
};

TEST(FileMenu, ItemsAreEnabledByTheSelectionAndTheMark) {
    struct Case {
        bool selected;
        bool marked;
        std::vector<int> enabled;
    };
    const Case cases[] = {
        {false, false, {Find, RunExplorer, ExitMenu}},
        {false, true, {Paste, Find, RunExplorer, ExitMenu}},
        {true,
         false,
         {Properties, Copy, Paste, Rename, Delete, DeleteAllFiles, Open, Find, RunExplorer,
          ExitMenu}},
    };
    for (const Case& c : cases)
        for (int item : {Properties, Copy, Paste, Rename, Delete, DeleteAllFiles, Open, Find,
                         RunExplorer, ExitMenu})
            EXPECT_EQ(fileMenuItemEnabled(item, c.selected, c.marked),
                      std::count(c.enabled.begin(), c.enabled.end(), item) == 1)
                << item << " selected " << c.selected << " marked " << c.marked;
}

TEST_F(FileCommandsTest, FileCommandsWithoutASelectedFileSayPleaseSelectAFileFirst) {
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("disk/a/sub/..")));
    temp.makeFolder("disk/empty");
    ASSERT_FALSE(panes.setFolder(Pane::Source, path("disk/empty")));
    for (int item : {Properties, Copy, Rename, Delete, DeleteAllFiles, Open}) {
        prompts.expectMessage("", "Please select a file first.", PromptButtons::Ok);
        EXPECT_FALSE(perform(item)) << item;
    }
    prompts.expectMessage("",
                          "There is nothing to copy\r\nPlease select a file and use Copy first.",
                          PromptButtons::Ok);
    EXPECT_FALSE(perform(Paste));
    EXPECT_TRUE(fake.shell.requests.empty());
}

#ifndef _WIN32
// The fallback box shows POSIX permission bits.
TEST_F(FileCommandsTest, ShellCommandsGoToTheDesktopAndPropertiesHaveAFallback) {
    const std::error_code none = errorOf(std::errc::function_not_supported);
    fake.shell.propertiesAnswer = none;
    fake.shell.searchAnswer = none;
    ASSERT_EQ(::chmod(path("disk/a/a.txt").c_str(), 0640), 0);
    const timespec times[2] = {{0, UTIME_OMIT}, {1'466'517'787, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path("disk/a/a.txt").c_str(), times, 0), 0);
    prompts.expectMessage("Properties",
                          "Name: a.txt\r\nFolder: " + path("disk/a") +
                              "\r\nSize: 3 bytes\r\nModified: 2016-06-21 14:03:07"
                              "\r\nPermissions: rw-r-----",
                          PromptButtons::Ok);
    EXPECT_TRUE(perform(Properties));
    prompts.expectMessage("", "No file search program is installed on this computer.",
                          PromptButtons::Ok);
    EXPECT_TRUE(perform(Find));
    fake.shell.propertiesAnswer = {};
    fake.shell.searchAnswer = {};
    for (int item : {Properties, Find, RunExplorer, Open, ExitMenu})
        EXPECT_TRUE(perform(item));
    const std::string a = path("disk/a");
    EXPECT_EQ(
        fake.shell.requests,
        (std::vector<std::string>{"properties " + a + "/a.txt", "search " + a,
                                  "properties " + a + "/a.txt", "search " + a, "folder " + a}));
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{a + "/a.txt"});
    EXPECT_EQ(log, "");
}
#endif

// Paste asks before replacing anything of that name (a hidden one too), never destroys
// the marked file by copying it onto itself and keeps the old file on a failed copy.
TEST_F(FileCommandsTest, PasteCopiesTheMarkedFileFailSafe) {
    struct Case {
        const char* marked;    // in disk/a
        const char* intoPane;  // the folder pasted into
        PromptAnswer answer;   // to the overwrite question, when one comes
        std::error_code fault; // of the copy's data
        const char* failure;   // the title of the failure box
        const char* expected;  // the content of the target afterwards
    };
    const std::error_code full = errorOf(std::errc::no_space_on_device);
    const auto yes = PromptAnswer::Yes;
    const char* const sameFile = "Copy File. Source and destination are the same file";
    const Case cases[] = {
        {"a.txt", "disk/b", yes, {}, nullptr, "aaa"},
        {"b.txt", "disk/b", PromptAnswer::No, {}, nullptr, "old"},
        {"b.txt", "disk/b", yes, {}, nullptr, "bbb"},
        {".env", "disk/b", PromptAnswer::No, {}, nullptr, "old env"},
        {"b.txt", "disk/a", yes, {}, sameFile, "bbb"},
        {"b.txt", "disk/b", yes, full, "Copy File. No space left on device", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.marked) + " into " + c.intoPane);
        temp.writeFile("disk/b/b.txt", "old");
        fs::remove(path("disk/b/a.txt"));
        log.clear();
        fsys.clearFaults();
        if (c.fault)
            fsys.failOn(FsOperation::CopyFileData, "disk/b", c.fault);
        panes.setCopiedFile(path("disk/a/") + c.marked);
        const std::string target = path(std::string(c.intoPane) + "/" + c.marked);
        const bool exists = fs::exists(target);
        ASSERT_FALSE(panes.setFolder(Pane::Destination, path(c.intoPane)));
        if (exists)
            prompts.expectMessage("Copy file",
                                  std::string("File ") + c.marked +
                                      " already exists.\r\nDo you want to overwrite the file?",
                                  PromptButtons::YesNo, c.answer);
        if (c.failure)
            prompts.expectMessage(c.failure,
                                  std::string("Could not copy the file '") + c.marked + "'",
                                  PromptButtons::Ok);
        EXPECT_TRUE(perform(Paste));
        EXPECT_EQ(temp.readFile(std::string(c.intoPane) + "/" + c.marked), c.expected);
        EXPECT_EQ(leftovers(c.intoPane), 0u);
        const bool copied = c.answer == PromptAnswer::Yes && !c.failure;
        EXPECT_EQ(log, copied ? "User copied file " + path("disk/a/") + c.marked + " to " + target +
                                    "\r\n"
                              : "");
        if (copied) {
            EXPECT_EQ(fs::last_write_time(target), fs::last_write_time(path("disk/a/") + c.marked));
        }
        EXPECT_EQ(panes.CopiedFile(), path("disk/a/") + c.marked) << "Paste keeps the mark";
    }
}

TEST_F(FileCommandsTest, RenameAsksForAPlainNameAndReplacesOnlyWhenAllowed) {
    struct Case {
        std::optional<std::string> answer;
        std::optional<PromptAnswer> overwrite; // the question when something has that name
        const char* refusal;                   // "Cannot perform operation"
        bool renamed;
    };
    temp.makeFolder("disk/a/folder");
    const Case cases[] = {
        {std::nullopt, {}, nullptr, false},
        {"", {}, nullptr, false},
        {"A.TXT", {}, nullptr, false},
        {"c.txt", {}, nullptr, true},
        {"b.txt", PromptAnswer::No, nullptr, false},
        {"b.txt", PromptAnswer::Yes, nullptr, true},
        {".env", PromptAnswer::No, nullptr, false},
        {"folder", PromptAnswer::Yes, "Cannot overwrite a directory", false},
        {"sub/a.txt", {}, nullptr, false},
        {"..", {}, nullptr, false},
        {".", {}, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.value_or("(cancelled)"));
        temp.writeFile("disk/a/a.txt", "aaa");
        temp.writeFile("disk/a/b.txt", "bbb");
        fs::remove(path("disk/a/c.txt"));
        log.clear();
        select(Pane::Source, "a.txt");
        prompts.expectInput("Rename File", "Type in the new name for file 'a.txt'", c.answer);
        if (c.overwrite)
            prompts.expectMessage("Overwrite confirmation",
                                  "Do you wish to overwrite the target file?", PromptButtons::YesNo,
                                  *c.overwrite);
        if (c.refusal)
            prompts.expectMessage("Cannot perform operation", c.refusal, PromptButtons::Ok);
        const bool tried = c.answer && !c.answer->empty() && *c.answer != "A.TXT";
        if (tried && !c.renamed)
            prompts.expectMessage("Rename File",
                                  "Could not rename the file 'a.txt' to '" + *c.answer + "'",
                                  PromptButtons::Ok);
        EXPECT_TRUE(perform(Rename));
        EXPECT_EQ(temp.exists("disk/a/a.txt"), !c.renamed);
        if (c.renamed) {
            EXPECT_EQ(temp.readFile("disk/a/" + *c.answer), "aaa");
        }
        EXPECT_EQ(log, c.renamed ? "User renamed file a.txt to " + *c.answer + "\r\n" : "");
        EXPECT_TRUE(temp.exists("disk/a/folder")) << "a folder is never replaced";
        EXPECT_EQ(temp.readFile("disk/a/.env"), "new env");
    }
}

// Full paths, as the folder commands give them: a move to another volume goes by the
// fail-safe copy, then the old name goes; two names of one file stay as they are; every
// failure keeps the source and is named.
#ifndef _WIN32
// POSIX permission bits, hard links and symbolic links in the tree.
TEST_F(FileCommandsTest, RenameFileOrDirMovesSafelyAndNamesEveryFailure) {
    struct Fault {
        FsOperation operation;
        const char* pathContains;
        std::errc error;
    };
    struct Case {
        const char* source;
        const char* target;
        std::vector<Fault> faults;
        const char* title; // of the box, when one comes
        const char* message;
        bool moved;
    };
    const Fault otherDisk{FsOperation::RenameNoReplace, "disk/b", std::errc::cross_device_link};
    const Fault noSpace{FsOperation::CopyFileData, "disk/b", std::errc::no_space_on_device};
    const Fault cancelled{FsOperation::CopyFileData, "disk/b", std::errc::operation_canceled};
    const Fault stuck{FsOperation::RemoveFile, "a/b.txt", std::errc::io_error};
    const Fault refusedName{FsOperation::RenameNoReplace, "c.txt", std::errc::permission_denied};
    const char* const refused = "Cannot perform operation";
    const char* const acrossDrives = "Cannot rename directories across drives";
    const char* const failed = "RenameFileOrDir";
    const char* const fileB = "disk/a/b.txt";
    const char* const moved = "disk/b/moved.txt";
    ASSERT_EQ(::link(path("disk/a/a.txt").c_str(), path("disk/a/hard.txt").c_str()), 0);
    const Case cases[] = {
        {fileB, moved, {otherDisk}, nullptr, nullptr, true},
        {"disk/a/link.txt", "disk/b/link.txt", {otherDisk}, nullptr, nullptr, true},
        {"disk/a/sub", "disk/b/sub", {otherDisk}, refused, acrossDrives, false},
        {fileB, moved, {otherDisk, noSpace}, failed, "Error: 28. No space left on device", false},
        // Cancel during the copy: no box, the source stays.
        {fileB, moved, {otherDisk, cancelled}, nullptr, nullptr, false},
        {fileB, moved, {otherDisk, stuck}, failed, "Error: 5. Input/output error", false},
        {fileB, "disk/a/c.txt", {refusedName}, failed, "Error: 13. Permission denied", false},
        {"disk/a/a.txt", "disk/a/hard.txt", {}, nullptr, nullptr, false},
        {"disk/a/none.txt", "disk/a/c.txt", {}, nullptr, nullptr, false},
        {fileB, "", {}, nullptr, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " to " + c.target);
        fsys.clearFaults();
        for (const Fault& fault : c.faults)
            fsys.failOn(fault.operation, fault.pathContains, errorOf(fault.error));
        fs::remove(path("disk/b/moved.txt"));
        temp.writeFile("disk/a/b.txt", "bbb");
        const bool existed = temp.exists(c.source);
        const std::string before = temp.readFile(c.source);
        if (c.title)
            prompts.expectMessage(c.title, c.message, PromptButtons::Ok);
        const std::string target = *c.target != '\0' ? path(c.target) : "";
        EXPECT_EQ(RenameFileOrDir(context(), path(c.source), target), c.moved);
        EXPECT_EQ(temp.exists(c.source), existed && !c.moved);
        if (c.moved) {
            EXPECT_EQ(temp.readFile(c.target), before);
        }
        EXPECT_EQ(leftovers("disk/b"), 0u);
    }
    EXPECT_EQ(fs::read_symlink(path("disk/b/link.txt")), path("disk/outside.txt"))
        << "a link moves as a link";
    EXPECT_EQ(temp.readFile("disk/a/a.txt"), "aaa");
}
#endif

TEST_F(FileCommandsTest, DeleteAsksAndClearsTheMarkOnlyWhenTheFileWent) {
    struct Case {
        const char* name;
        PromptAnswer answer;
        std::errc fault; // {} for none
        bool deleted;
    };
    const Case cases[] = {
        {"b.txt", PromptAnswer::No, {}, false},
        {"b.txt", PromptAnswer::Cancel, {}, false},
        {"b.txt", PromptAnswer::Yes, std::errc::device_or_resource_busy, false},
        {"b.txt", PromptAnswer::Yes, {}, true},
        {"link.txt", PromptAnswer::Yes, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!temp.exists(std::string("disk/a/") + c.name))
            continue; // a link this system made none of
        fsys.clearFaults();
        if (c.fault != std::errc{})
            fsys.failOn(FsOperation::RemoveFile, c.name, errorOf(c.fault));
        panes.setCopiedFile(path("disk/a/a.txt"));
        log.clear();
        select(Pane::Source, c.name);
        prompts.expectMessage("Delete File", std::string("Are you sure to delete ") + c.name + "?",
                              PromptButtons::YesNoCancel, c.answer);
        if (c.fault != std::errc{})
            prompts.expectMessage("Delete File. Error nr 16",
                                  std::string("Could not delete the file '") + c.name + "'",
                                  PromptButtons::Ok);
        EXPECT_TRUE(perform(Delete));
        EXPECT_EQ(temp.exists(std::string("disk/a/") + c.name), !c.deleted);
        EXPECT_EQ(panes.CopiedFile().empty(), c.deleted) << "even another file's mark goes";
        EXPECT_EQ(log, c.deleted ? std::string("User deleted file ") + c.name + "\r\n" : "");
    }
    EXPECT_EQ(temp.readFile("disk/outside.txt"), "target of a link");
    EXPECT_EQ(panes.pane(Pane::Source).contents.files, std::vector<std::string>{"a.txt"});
    EXPECT_EQ(panes.selectedFileName(Pane::Source), "a.txt") << "the refresh selects a neighbour";
    EXPECT_EQ(panes.ActivePane(), Pane::Source);
}

// Protected folders lie in the test's own folder; the real ones are never touched.
TEST_F(FileCommandsTest, DeleteAllFilesRefusesTheSystemFoldersWhateverLeadsToThem) {
    fake.environment.windowsFolder = path("disk/Windows/");
    fake.environment.systemFolder = path("disk/Windows/System32");
    temp.writeFile("disk/WINDOWS/kept.txt", "k");
    temp.writeFile("disk/Windows/System32/kept.txt", "k");
    temp.writeFile("disk/Windows/SYSTEM32/kept.txt", "k");
    const bool linked = test::makeSymlink(path("disk/Windows/System32"), path("disk/tools"));
    const std::string windows = "Sorry, but deleting files of the Windows folder is not permitted.";
    const std::string system =
        "Sorry, but deleting files of the Windows\\System folder is not permitted.";
    for (const auto& [folder, refusal] :
         {std::pair{"disk/WINDOWS", windows}, std::pair{"disk/Windows/SYSTEM32", system},
          std::pair{"disk/tools", system}}) {
        SCOPED_TRACE(folder);
        if (!linked && std::string_view(folder) == "disk/tools")
            continue;
        ASSERT_FALSE(panes.setFolder(Pane::Source, path(folder)));
        prompts.expectMessage("Delete files", refusal, PromptButtons::Ok);
        EXPECT_FALSE(perform(DeleteAllFiles));
    }
    EXPECT_TRUE(temp.exists("disk/WINDOWS/kept.txt"));
    EXPECT_TRUE(temp.exists("disk/Windows/System32/kept.txt"));
    EXPECT_TRUE(temp.exists("disk/Windows/SYSTEM32/kept.txt"));
}

TEST_F(FileCommandsTest, DeleteAllFilesDeletesWhatTheListShowsAndReportsOnlyFullSuccess) {
    const std::string folder = path("disk/a/");
    for (const bool failing : {true, false}) {
        SCOPED_TRACE(failing);
        fsys.clearFaults();
        if (failing) {
            fsys.failOn(FsOperation::RemoveFile, "a/a.txt",
                        errorOf(std::errc::read_only_file_system));
            fsys.failOn(FsOperation::RemoveFile, "a/b.txt",
                        errorOf(std::errc::read_only_file_system));
        }
        panes.setCopiedFile(path("disk/b/b.txt"));
        log.clear();
        panes.refreshBoth();
        prompts.expectMessage("Delete All Files!",
                              "Are you sure to delete ALL Files in folder " + folder + "?",
                              PromptButtons::YesNoCancel, PromptAnswer::Yes);
        if (failing)
            prompts.expectMessage("Delete All Files",
                                  "Could not delete the file 'a.txt' (Read-only file system)."
                                  "\r\n1 other file(s) could not be deleted either.",
                                  PromptButtons::Ok);
        else
            prompts.expectMessage("Delete All Files", "Files succesfully deleted.",
                                  PromptButtons::Ok);
        EXPECT_TRUE(perform(DeleteAllFiles));
        EXPECT_EQ(temp.exists("disk/a/a.txt"), failing);
        EXPECT_FALSE(temp.exists("disk/a/link.txt"));
        EXPECT_EQ(panes.CopiedFile().empty(), !failing);
        EXPECT_EQ(log, failing ? "" : "User delete all files in folder " + folder + "\r\n");
    }
    EXPECT_EQ(temp.readFile("disk/a/sub/inner.txt"), "inner");
    EXPECT_EQ(temp.readFile("disk/a/.env"), "new env") << "hidden files are not listed";
    EXPECT_EQ(temp.readFile("disk/outside.txt"), "target of a link");
    EXPECT_TRUE(panes.pane(Pane::Source).contents.files.empty());
}

// Each dropped file on its own: its own question naming the full path, its own failure
// box, its own log line; a drop onto the file's own folder leaves the file alone.
TEST_F(FileCommandsTest, DroppedFilesAreCopiedOneByOne) {
    fsys.failOn(FsOperation::CopyFileData, "disk/b", errorOf(std::errc::no_space_on_device));
    temp.writeFile("disk/c/c.txt", "ccc");
    const std::string failed = "Could not copy file. Error (No space left on device) in "
                               "procedure DoOneFileCopy";
    const auto question = [&](const std::string& target, PromptAnswer answer) {
        prompts.expectMessage("Drag-Drop File Copy",
                              "File " + target +
                                  " already exists.\r\nDo you want to overwrite the file?",
                              PromptButtons::YesNo, answer);
    };
    // disk/b: a.txt fails, b.txt stays on No, .env is replaced; the copies go there only
    // once the fault is gone.
    question(path("disk/b/.env"), PromptAnswer::Yes);
    prompts.expectMessage("", failed, PromptButtons::Ok);
    question(path("disk/b/b.txt"), PromptAnswer::No);
    prompts.expectMessage("", failed, PromptButtons::Ok);
    EXPECT_TRUE(perform(commands.drop(
        Pane::Destination, {path("disk/a/.env"), path("disk/a/b.txt"), path("disk/a/a.txt")})));
    EXPECT_EQ(temp.readFile("disk/b/.env"), "old env");
    EXPECT_FALSE(temp.exists("disk/b/a.txt"));
    EXPECT_EQ(log, "");

    fsys.clearFaults();
    question(path("disk/b/b.txt"), PromptAnswer::Yes);
    EXPECT_TRUE(perform(commands.drop(
        Pane::Destination, {path("disk/a/a.txt"), path("disk/a/b.txt"), path("disk/c/c.txt/")})));
    EXPECT_EQ(temp.readFile("disk/b/a.txt"), "aaa");
    EXPECT_EQ(temp.readFile("disk/b/b.txt"), "bbb");
    EXPECT_EQ(temp.readFile("disk/b/c.txt"), "ccc");
    EXPECT_EQ(log, "User manually drag-drop file " + path("disk/a/a.txt") + " to " +
                       path("disk/b/a.txt") + "\r\nUser manually drag-drop file " +
                       path("disk/a/b.txt") + " to " + path("disk/b/b.txt") +
                       "\r\nUser manually drag-drop file " + path("disk/c/c.txt") + " to " +
                       path("disk/b/c.txt") + "\r\n");
    EXPECT_EQ(panes.pane(Pane::Destination).contents.files,
              (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));

    question(path("disk/a/a.txt"), PromptAnswer::Yes);
    prompts.expectMessage(
        "",
        "Could not copy file. Error (Source and destination are the same file) in procedure "
        "DoOneFileCopy",
        PromptButtons::Ok);
    EXPECT_TRUE(perform(commands.drop(Pane::Source, {path("disk/a/a.txt")})));
    EXPECT_EQ(temp.readFile("disk/a/a.txt"), "aaa");
    EXPECT_FALSE(perform(commands.drop(Pane::Source, {})));
}

TEST_F(FileCommandsTest, ACancelledJobStopsBeforeTheNextFile) {
    cancel = true;
    prompts.expectMessage("Delete All Files!",
                          "Are you sure to delete ALL Files in folder " + path("disk/a/") + "?",
                          PromptButtons::YesNoCancel, PromptAnswer::Yes);
    panes.setCopiedFile(path("disk/a/a.txt"));
    EXPECT_TRUE(perform(DeleteAllFiles));
    EXPECT_TRUE(perform(commands.drop(Pane::Destination, {path("disk/a/a.txt")})));
    EXPECT_TRUE(temp.exists("disk/a/a.txt"));
    EXPECT_FALSE(temp.exists("disk/b/a.txt"));
    EXPECT_FALSE(panes.CopiedFile().empty());
    EXPECT_EQ(log, "");
}

TEST(IsPlainName, RefusesEverySeparatorOfTheSystem) {
    const PathStyle posix = PathStyle::posix();
    const PathStyle windows = PathStyle::windows();
    for (const auto& [style, name, plain] :
         {std::tuple{posix, "a b.txt", true}, std::tuple{posix, "a\\b", true},
          std::tuple{posix, "a/b", false}, std::tuple{windows, "a\\b", false},
          std::tuple{windows, "a/b", false}, std::tuple{windows, "..", false}})
        EXPECT_EQ(isPlainName(style, name), plain) << name;
}

} // namespace
} // namespace tidecopy
