#include "RunFixture.h"

#include <algorithm>
#include <filesystem>

namespace tidecopy::test {
namespace {

using namespace std::chrono_literals;

std::string settingsBlock(const std::string& src, const std::string& dst) {
    return "Settings:\r\n"
           "- Source Folder-> " +
           src +
           "\r\n"
           "- Destination Folder-> " +
           dst +
           "\r\n"
           "- Copy Files Conditionally\r\n"
           "- Recurse Folders Enabled\r\n"
           "- Relative Path Enabled\r\n"
           "- Recall Last Backup Disabled\r\n"
           "- Preserve Files Disabled\r\n"
           "- Filter Pattern *.* [All Files]\r\n"
           "- Check Integrity of Files Disabled\r\n"
           "- Closing Program Disabled\r\n"
           "- Shutting Down PC Disabled\r\n"
           "- Execute Backup Profile Disabled\r\n";
}

class BackupRunTest : public RunFixture {};

TEST_F(BackupRunTest, BackupCopiesTheTreeAndLogsItVerbatim) {
    temp.writeFile("src/a.txt", "alpha");
    temp.writeFile("src/sub/b.txt", "beta");

    const RunOutcome outcome = run();

    EXPECT_EQ(logText(), "\r\n*** BACKUP Started at 2026-12-06 10:00:00\r\n" +
                             settingsBlock(state.Dir1, state.Dir2) +
                             "* Preparing backup...reading folders and files...Please wait...\r\n"
                             "* Copying files at 2026-12-06 10:00:00... Please wait...\r\n"
                             "All Files Copied (2)\r\n"
                             "The time it took to make this backup was-> 00:00:01\r\n"
                             "\r\n");
    EXPECT_EQ(temp.readFile("dst/src/a.txt"), "alpha");
    EXPECT_EQ(temp.readFile("dst/src/sub/b.txt"), "beta");
    EXPECT_EQ(outcome.ending, RunEnding::Finished);
    EXPECT_EQ(outcome.counts.selected, 2u);
    EXPECT_EQ(outcome.failedFiles, 0u);
    EXPECT_EQ(state.cmbSourceHistory.items, std::vector<std::string>{state.Dir1});
    EXPECT_EQ(state.cmbTargetHistory.items, std::vector<std::string>{state.Dir2});
    EXPECT_EQ(host.eventsStartingWith("sound"),
              (std::vector<std::string>{"sound s1.wav sync", "sound s2.wav sync"}));
    EXPECT_EQ(host.eventsStartingWith("free space"),
              std::vector<std::string>{"free space: / 37 Gb free of 120 Gb"});
    EXPECT_EQ(host.progressTexts.back(), "All Files Copied (2)");
}

TEST_F(BackupRunTest, ControlsAreDisabledWhileRunningAndComeBackAfterwards) {
    temp.writeFile("src/a.txt", "alpha");
    run();
    const std::vector<std::string> expectedOrder = {
        "busy on",        "enable Cancel",  "disable BackupAndPreview",
        "animation on",   "value 0",        "disable ProfileButtons",
        "disable Frames", "busy off",       "enable ProfileButtons",
        "enable Frames",  "disable Cancel", "enable BackupAndPreview"};
    std::vector<std::string> seen;
    for (const std::string& event : host.events)
        if (std::find(expectedOrder.begin(), expectedOrder.end(), event) != expectedOrder.end())
            seen.push_back(event);
    EXPECT_EQ(seen, expectedOrder);
    EXPECT_EQ(host.events.back(), "enable BackupAndPreview");
}

struct EdgeRunCase {
    const char* name;
    std::vector<const char*> files;
    RunKind kind;
    std::vector<std::string> expectedLines; // in this order, each whole
    std::vector<std::string> absentLines;
};

class EdgeRuns : public BackupRunTest, public testing::WithParamInterface<EdgeRunCase> {};

TEST_P(EdgeRuns, ReportAsTheProductSays) {
    const EdgeRunCase& c = GetParam();
    for (const char* file : c.files)
        temp.writeFile(std::string("src/") + file, file);
    run(c.kind);
    const std::string text = logText();
    std::size_t from = 0;
    for (const std::string& line : c.expectedLines) {
        const std::size_t at = text.find("\r\n" + line + "\r\n", from);
        ASSERT_NE(at, std::string::npos) << "missing line: " << line << "\nin:\n" << text;
        from = at + 1;
    }
    for (const std::string& line : c.absentLines)
        EXPECT_EQ(text.find(line), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EdgeRuns,
    testing::Values(
        EdgeRunCase{"EmptySource",
                    {},
                    RunKind::Backup,
                    {"0 File Copied.", "All backup files already up-to-date (No files replaced)."},
                    {"* Copying files at", "The time it took"}},
        EdgeRunCase{"OneFile",
                    {"only.txt"},
                    RunKind::Backup,
                    {"1 File Copied.", "The time it took to make this backup was-> 00:00:01"},
                    {"* Copying files at"}},
        EdgeRunCase{"Preview",
                    {"a.txt", "b.txt"},
                    RunKind::Preview,
                    {"*** Preview BACKUP Started at 2026-12-06 10:00:00",
                     "* Copying files at 2026-12-06 10:00:00", "2 Files will be copied.",
                     "The time it took to preview-> 00:00:01"},
                    {"All Files Copied"}},
        EdgeRunCase{
            "EmptyPreview",
            {},
            RunKind::Preview,
            {"0 Files will be copied.", "All backup files already up-to-date (No files replaced)."},
            {"The time it took"}}),
    caseName<EdgeRunCase>);

TEST_F(BackupRunTest, PreviewTouchesNothingLogsEveryFileAndRestoresTheLogLimit) {
    temp.writeFile("src/a.txt", "alpha");
    options.LogLimit = "5000";
    options.chkEmptyFolders = 1;
    options.ShutdownMode = 2;
    log.setMaxLength(5000);
    std::size_t limitDuringRun = 0;
    host.onProcessEvents = [&] {
        limitDuringRun = log.maxLength();
    };

    const RunOutcome outcome = run(RunKind::Preview);

    EXPECT_NE(logText().find("From-> " + source("a.txt") + "\r\nTo-> " + destination("src/a.txt") +
                             "\r\n"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(temp / "dst"));
    EXPECT_TRUE(host.eventsStartingWith("sound").empty());
    EXPECT_TRUE(power.requests.empty());
    EXPECT_TRUE(state.cmbSourceHistory.items.empty());
    EXPECT_EQ(limitDuringRun, 256000u);
    EXPECT_EQ(log.maxLength(), 5000u);
    EXPECT_EQ(options.chkLogDetails, 0);
    EXPECT_EQ(outcome.counts.selected, 1u);
}

TEST_F(BackupRunTest, ProgressReachesOneHundredPercentAndNeverMore) {
    for (const char* file : {"a", "b", "c"})
        temp.writeFile(std::string("src/") + file, file);
    run();
    EXPECT_EQ(host.percentages, (std::vector<int>{34, 67, 100}));
    EXPECT_TRUE(
        host.progressTexts[3].starts_with("Copying Files... 100% - Estimated Time Remaining "))
        << host.progressTexts[3];
}

TEST_F(BackupRunTest, ProgressTextFollowsTheTimeRemainingWithinOnePercent) {
    // Files 2 and 3 of 200 both show 2 %; an hour passes between them.
    for (int i = 0; i < 200; ++i)
        temp.writeFile("src/f" + std::to_string(1000 + i), "x");
    bool advanced = false;
    host.onProcessEvents = [&] {
        if (host.progressTexts.size() == 3 && !advanced) {
            clock.advance(1h);
            advanced = true;
        }
    };
    run(RunKind::Preview);
    ASSERT_GE(host.progressTexts.size(), 4u);
    EXPECT_EQ(host.progressTexts[2],
              "Preview Copying Files... 2% - Estimated Time Remaining 00:00:00");
    EXPECT_EQ(host.progressTexts[3],
              "Preview Copying Files... 2% - Estimated Time Remaining 65:40:00");
}

TEST_F(BackupRunTest, TimeLineCountsHoursMinutesAndSeconds) {
    temp.writeFile("src/a.txt", "alpha");
    host.onViewCaption = [&](const std::string& caption) {
        if (caption.starts_with("Preparing"))
            clock.advance(61min + 5s);
    };
    run();
    EXPECT_NE(logText().find("The time it took to make this backup was-> 01:01:05\r\n"),
              std::string::npos);
}

struct RefusalCase {
    const char* name;
    const char* dir1;
    const char* dir2;
    std::int16_t confirm;
    const char* title;
    const char* text;
    PromptButtons buttons;
    PromptAnswer answer;
};

class Refusals : public BackupRunTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, EndTheRunBeforeAnythingChanges) {
    const RefusalCase& c = GetParam();
    temp.writeFile("src/a.txt", "alpha");
    temp.makeFolder("windows");
    state.Dir1 = temp / c.dir1;
    state.Dir2 = temp / c.dir2;
    options.chkConfirmationBackup = c.confirm;
    std::string text = c.text;
    if (text.empty())
        text = "You are about to backup/copy files from:\r\n" + state.Dir1 +
               "\r\n\r\nAnd all its sub folders to:\r\n" + state.Dir2;
    prompts.expectMessage(c.title, text, c.buttons, c.answer);

    const RunOutcome outcome = run();

    EXPECT_EQ(outcome.ending, RunEnding::Refused);
    EXPECT_EQ(logText(), "");
    EXPECT_TRUE(host.events.empty());
    EXPECT_FALSE(temp.exists("dst/src"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    testing::Values(
        RefusalCase{"SameFolder", "src", "src", 0, "",
                    "Source and Target folder can not be the same!", PromptButtons::Ok,
                    PromptAnswer::Ok},
        RefusalCase{"WindowsFolderAsSource", "windows", "dst", 0, "Operating System Protection",
                    "Sorry, this program does not support copying the Windows folder.",
                    PromptButtons::Ok, PromptAnswer::Ok},
        RefusalCase{"WindowsFolderAsDestination", "src", "windows", 0,
                    "Operating System Protection",
                    "Sorry, this program does not support copying files to the Windows folder.",
                    PromptButtons::Ok, PromptAnswer::Ok},
        RefusalCase{"ConfirmationNo", "src", "dst", 1, "Backup", "", PromptButtons::YesNoCancel,
                    PromptAnswer::No},
        RefusalCase{"ConfirmationCancel", "src", "dst", 1, "Backup", "", PromptButtons::YesNoCancel,
                    PromptAnswer::Cancel}),
    caseName<RefusalCase>);

TEST_F(BackupRunTest, FolderBelowTheWindowsFolderPassesTheChecks) {
    temp.writeFile("windows/sub/a.txt", "alpha");
    state.Dir1 = temp / "windows/sub";
    EXPECT_EQ(run().ending, RunEnding::Finished);
}

TEST_F(BackupRunTest, ExistingDestinationFolderIsConfirmedOnce) {
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        SCOPED_TRACE(answer == PromptAnswer::Yes ? "yes" : "no");
        temp.writeFile("src/a.txt", "alpha");
        temp.writeFile("src/b.txt", "beta");
        temp.makeFolder("dst/src");
        options.chkFolderExist = 1;
        options.chkCloseProg = 1;
        log.replaceText({});
        prompts.expectMessage("Target Folder Exists",
                              "Destination folder " + destination("src") +
                                  " already exists.\r\n\r\nDo you want to continue?",
                              PromptButtons::YesNo, answer);
        const RunOutcome outcome = run();
        if (answer == PromptAnswer::No) {
            EXPECT_EQ(outcome.ending, RunEnding::Declined);
            EXPECT_NE(
                logText().find("Target folder exists. User canceled backup.\r\n0 File Copied.\r\n"),
                std::string::npos);
            EXPECT_TRUE(logText().ends_with("\r\nOptions: 'Closing program' or 'Shutdown PC' will "
                                            "not be executed because of one or more "
                                            "errors/problems during backup."));
            EXPECT_FALSE(temp.exists("dst/src/a.txt"));
        } else {
            EXPECT_EQ(outcome.ending, RunEnding::Finished);
            EXPECT_EQ(temp.readFile("dst/src/b.txt"), "beta");
        }
    }
}

TEST_F(BackupRunTest, CancelStopsBeforeTheNextFileAndSkipsTheAfterActions) {
    for (const char* file : {"a", "b", "c"})
        temp.writeFile(std::string("src/") + file, file);
    options.chkCloseProg = 1;
    host.onProcessEvents = [&] {
        if (!host.eventsStartingWith("refresh Dir2").empty())
            flags.CancelRequested = true;
    };

    const RunOutcome outcome = run();

    EXPECT_EQ(outcome.ending, RunEnding::Cancelled);
    EXPECT_NE(logText().find("\r\n* Backup Canceled - 1 of the 3 Files Copied.\r\n"),
              std::string::npos);
    EXPECT_TRUE(logText().ends_with("because of one or more errors/problems during backup."));
    EXPECT_TRUE(temp.exists("dst/src/a"));
    EXPECT_FALSE(temp.exists("dst/src/b"));
    EXPECT_EQ(host.eventsStartingWith("sound"),
              (std::vector<std::string>{"sound s1.wav sync", "sound s3.wav async"}));
    EXPECT_TRUE(host.eventsStartingWith("close program").empty());
    EXPECT_TRUE(state.cmbSourceHistory.items.empty());
}

TEST_F(BackupRunTest, AFailedFileIsLoggedCountedAndTheRunGoesOn) {
    temp.writeFile("src/a.txt", "alpha");
    temp.writeFile("src/b.txt", "beta");
    fs.failOn(FsOperation::RenameReplacing, "dst/src/a.txt",
              std::make_error_code(std::errc::no_space_on_device));

    const RunOutcome outcome = run();

    EXPECT_NE(logText().find("File 'a.txt' Error Occured: No space left on device\r\n"),
              std::string::npos);
    EXPECT_EQ(temp.readFile("dst/src/b.txt"), "beta");
    EXPECT_EQ(outcome.failedFiles, 1u);
    EXPECT_EQ(outcome.ending, RunEnding::Finished);
}

TEST_F(BackupRunTest, UnreadableFoldersAreNamedNotMistakenForAnUpToDateBackup) {
    temp.writeFile("src/sub/a.txt", "alpha");
    for (const char* unreadable : {"src/", "src/sub/"}) {
        SCOPED_TRACE(unreadable);
        log.replaceText({});
        fs.clearFaults();
        fs.failOn(FsOperation::ListFolder, unreadable,
                  std::make_error_code(std::errc::permission_denied));
        const RunOutcome outcome = run();
        EXPECT_NE(logText().find("Folder '" + temp / unreadable +
                                 "' Error Occured: Permission denied\r\n"),
                  std::string::npos)
            << logText();
        EXPECT_EQ(outcome.failedFiles, 1u);
    }
}

// The kernel lost what it was to write: the run says so, counts it and verifies nothing.
TEST_F(BackupRunTest, FailedFlushOfTheDestinationIsAFailureNotASuccess) {
    temp.writeFile("src/a.txt", "alpha");
    options.chkIntegrity = 1;
    fs.failOn(FsOperation::FlushVolume, "dst", std::make_error_code(std::errc::io_error));

    const RunOutcome outcome = run();

    EXPECT_NE(logText().find("Flushing the destination volume / failed: Input/output error. "
                             "Copied files may not be on disk.\r\n"),
              std::string::npos)
        << logText();
    EXPECT_EQ(logText().find("Integrity check"), std::string::npos);
    EXPECT_EQ(outcome.failedFiles, 1u);
    EXPECT_EQ(outcome.integrityFailures, 0u);

    // A run that copies nothing has nothing to flush.
    state.chkOnlyNewFiles.checked = true;
    state.chkChangedFiles.checked = false;
    EXPECT_EQ(run().failedFiles, 0u);
}

// A killed run's temporaries go wherever a later run looks, even where it copies nothing.
TEST_F(BackupRunTest, LeftoversGoFromEveryDestinationFolderTheRunVisits) {
    temp.writeFile("src/sub/a.txt", "alpha");
    temp.writeFile("dst/src/sub/a.txt", "alpha");
    temp.writeFile("dst/src/sub/.tidecopy-0123456789abcdef.tmp", "half");
    temp.writeFile("dst/elsewhere/.tidecopy-0123456789abcdef.tmp", "half");
    state.chkOnlyNewFiles.checked = true;
    state.chkChangedFiles.checked = false;

    for (const RunKind kind : {RunKind::Preview, RunKind::Backup}) {
        EXPECT_EQ(run(kind).counts.selected, 0u);
        EXPECT_EQ(temp.exists("dst/src/sub/.tidecopy-0123456789abcdef.tmp"),
                  kind == RunKind::Preview);
    }
    EXPECT_TRUE(temp.exists("dst/elsewhere/.tidecopy-0123456789abcdef.tmp"));
}

TEST_F(BackupRunTest, IntegrityCheckFindsADestinationChangedAfterItsCopy) {
    temp.writeFile("src/a.txt", "alpha");
    temp.writeFile("src/b.txt", "beta");
    options.chkIntegrity = 1;
    host.onViewCaption = [&](const std::string& caption) {
        if (caption == "Checking files for integrity...")
            temp.writeFile("dst/src/b.txt", "BETA");
    };

    const RunOutcome outcome = run();

    EXPECT_NE(logText().find("All Files Copied (2)\r\n"
                             "Integrity check of backup files...\r\n"
                             "File 'b.txt' failed the integrity check.\r\n"
                             "Integrity check: 1 file(s) verified, 1 failed.\r\n"
                             "The time it took to make this backup was-> "),
              std::string::npos)
        << logText();
    EXPECT_EQ(outcome.integrityFailures, 1u);
}

TEST_F(BackupRunTest, BlankFilterBecomesAllFilesAndShortPatternsListEverything) {
    temp.writeFile("src/a.txt", "alpha");
    temp.writeFile("src/b.doc", "beta");
    for (const char* filter : {"   ", "*.t", "*.txt [Texts]"}) {
        SCOPED_TRACE(filter);
        std::filesystem::remove_all(temp / "dst/src");
        state.cmbPattern.text = filter;
        state.chkOnlyNewFiles.checked = true;
        run();
        EXPECT_TRUE(temp.exists("dst/src/a.txt"));
        EXPECT_EQ(temp.exists("dst/src/b.doc"), std::string(filter) != "*.txt [Texts]");
    }
    EXPECT_EQ(state.cmbPattern.text, "*.txt [Texts]");
}

} // namespace
} // namespace tidecopy::test
