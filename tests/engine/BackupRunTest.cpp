#include "RunFixture.h"
#include "engine/CopyLanes.h"
#include "support/SystemFiles.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

namespace tidecopy::test {
namespace {

using namespace std::chrono_literals;

// The tables' lists of paths, written as one text with blanks between them.
std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

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
              std::vector<std::string>{"free space: " + driveText() + " 37 Gb free of 120 Gb"});
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
    // Files of src/, each holding its name. "=a" is in dst/src/ as it is, "~a" is there in
    // another size, the copy of "!a" fails for want of space, "*a" grows while it is copied.
    const char* files;
    RunKind kind;
    std::vector<std::string> expectedLines; // in this order, each whole
    std::vector<std::string> absentLines;
    bool preserve = false;
};

class EdgeRuns : public BackupRunTest, public testing::WithParamInterface<EdgeRunCase> {};

TEST_P(EdgeRuns, ReportWhatHappened) {
    const EdgeRunCase& c = GetParam();
    for (const std::string& word : words(c.files)) {
        const std::size_t name = word.find_first_not_of("=~!*");
        const std::string file = word.substr(name);
        const std::string_view marks = std::string_view(word).substr(0, name);
        temp.writeFile("src/" + file, file);
        if (marks.find('=') != std::string_view::npos)
            temp.writeFile("dst/src/" + file, file);
        if (marks.find('~') != std::string_view::npos)
            temp.writeFile("dst/src/" + file, "an older version");
        if (marks.find('!') != std::string_view::npos)
            for (const FsOperation rename :
                 {FsOperation::RenameNoReplace, FsOperation::RenameReplacing})
                fs.failOn(rename, "dst/src/" + file,
                          std::make_error_code(std::errc::no_space_on_device));
        if (marks.find('*') != std::string_view::npos)
            fs.onCall(FsOperation::CopyFileData, [this, file](const std::string& copied) {
                if (copied == source(file))
                    temp.writeFile("src/" + file, temp.readFile("src/" + file) + "+");
            });
    }
    state.chkPreserveFiles.checked = c.preserve;
    options.ShutdownMode = 2; // followed only by a backup that selected files
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

const std::string upToDate = "All backup files already up-to-date (No files replaced).";
const std::string timeLine = "The time it took to make this backup was-> 00:00:01";

INSTANTIATE_TEST_SUITE_P(
    Table, EdgeRuns,
    testing::Values(
        EdgeRunCase{"EmptySource",
                    "",
                    RunKind::Backup,
                    {"0 File Copied.", upToDate},
                    {"* Copying files at", "The time it took"}},
        EdgeRunCase{"OneFile",
                    "only.txt",
                    RunKind::Backup,
                    {"1 File Copied.", timeLine},
                    {"* Copying files at"}},
        EdgeRunCase{"Preview",
                    "a.txt b.txt",
                    RunKind::Preview,
                    {"*** Preview BACKUP Started at 2026-12-06 10:00:00",
                     "* Copying files at 2026-12-06 10:00:00", "2 Files will be copied.",
                     "The time it took to preview-> 00:00:01"},
                    {"All Files Copied"}},
        EdgeRunCase{"EmptyPreview",
                    "",
                    RunKind::Preview,
                    {"0 Files will be copied.", upToDate},
                    {"The time it took"}},
        // Up to date only when nothing needed copying; a replaced file is no such thing.
        EdgeRunCase{"UpToDate",
                    "=a =b",
                    RunKind::Backup,
                    {"0 File Copied.", upToDate},
                    {"The time it took"}},
        EdgeRunCase{"ChangedFileReplaced",
                    "~a =b",
                    RunKind::Backup,
                    {"1 File Copied.", timeLine},
                    {"up-to-date"}},
        EdgeRunCase{"ChangedFilePreserved",
                    "~a",
                    RunKind::Backup,
                    {"File already exists. Preserving existing file (renamed to .bak)",
                     "1 File Copied.", "All backup files up-to-date. Preserved 1 file(s)."},
                    {"No files replaced"},
                    true},
        // Failed files are not copies.
        EdgeRunCase{"OneOfThreeFailed",
                    "a !b c",
                    RunKind::Backup,
                    {"File 'b' Error Occured: No space left on device",
                     "2 of the 3 Files Copied. 1 file(s) failed."},
                    {"All Files Copied"}},
        // An unattended run must not leave the machine on because its files failed.
        EdgeRunCase{"OnlyFileFailed",
                    "!only",
                    RunKind::Backup,
                    {"0 of the 1 Files Copied. 1 file(s) failed.", timeLine,
                     "Shutdown PC Enabled: executing command..."},
                    {"1 File Copied."}},
        EdgeRunCase{"ChangedFileFailed",
                    "~!a",
                    RunKind::Backup,
                    {"0 of the 1 Files Copied. 1 file(s) failed."},
                    {"up-to-date"}},
        // A copy that would mix two versions of its source is a failed file, not a copy.
        EdgeRunCase{"SourceChangingWhileCopied",
                    "a *b",
                    RunKind::Backup,
                    {"File 'b' changed while it was being copied.",
                     "1 of the 2 Files Copied. 1 file(s) failed."},
                    {"All Files Copied"}}),
    caseName<EdgeRunCase>);

TEST_F(BackupRunTest, PreviewTouchesNothingLogsEveryFileAndRestoresTheLogLimit) {
    temp.writeFile("src/a.txt", "alpha");
    options.LogLimit = "5000";
    options.chkEmptyFolders = 1;
    options.ShutdownMode = 2;
    log.setMaxLength(5000);
    std::size_t limitDuringRun = 0;
    context.betweenSteps = [&] {
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
    context.betweenSteps = [&] {
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

// Ten seconds pass with every chunk of the last, large file: its time remaining counts
// down with its bytes instead of standing at zero.
TEST_F(BackupRunTest, ALargeLastFileCountsDown) {
    temp.writeFile("src/a.txt", "a");
    temp.writeFile("src/z.bin", std::string(std::size_t{48} << 20, 'z'));
    bool copyingLarge = false;
    fs.onCall(FsOperation::CopyFileData,
              [&](const std::string& source) { copyingLarge = source.ends_with("z.bin"); });
    context.betweenSteps = [&] {
        if (copyingLarge)
            clock.advance(10s);
    };
    std::size_t firstOfLarge = 0;
    host.onProgress = [&](const RunProgress& progress) {
        if (progress.fileNumber == 2 && firstOfLarge == 0)
            firstOfLarge = host.progressTexts.size();
    };
    run();
    ASSERT_GT(firstOfLarge, 0u);
    // After the text the file began with, up to the summary.
    const std::vector<std::string> texts(host.progressTexts.begin() + firstOfLarge + 1,
                                         host.progressTexts.end() - 1);
    ASSERT_GE(texts.size(), 2u);
    for (std::size_t k = 1; k < texts.size(); ++k) {
        SCOPED_TRACE(texts[k]);
        EXPECT_TRUE(texts[k].starts_with("Copying Files... 100% - Estimated Time Remaining "));
        EXPECT_GT(texts[k - 1], texts[k]) << "counts down";
    }
    // How much each chunk holds is the file system's choice: the last one still has time.
    EXPECT_NE(texts.back(), "Copying Files... 100% - Estimated Time Remaining 00:00:00");
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
    if (!makeSymlink(temp / "src", temp / "srclink") &&
        (std::string_view(c.dir1) == "srclink" || std::string_view(c.dir2) == "srclink"))
        GTEST_SKIP() << "this system makes no symbolic link for a test";
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
        RefusalCase{"SameFolderWithASeparator", "src", "src/", 0, "",
                    "Source and Target folder can not be the same!", PromptButtons::Ok,
                    PromptAnswer::Ok},
        RefusalCase{"SameFolderThroughALink", "src", "srclink", 0, "",
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

// Only a destination folder that was there before the run is questioned, also where the
// run makes empty folders first; the prompts fail the test on any question.
TEST_F(BackupRunTest, ADestinationFolderNotThereYetIsNotQuestioned) {
    temp.writeFile("src/a.txt", "alpha");
    temp.makeFolder("src/empty");
    options.chkFolderExist = 1;
    for (const bool emptyFolders : {false, true}) {
        std::filesystem::remove_all(temp / "dst/src");
        options.chkEmptyFolders = emptyFolders ? 1 : 0;
        EXPECT_EQ(run().ending, RunEnding::Finished);
        EXPECT_EQ(temp.readFile("dst/src/a.txt"), "alpha");
        EXPECT_EQ(temp.exists("dst/src/empty"), emptyFolders);
    }
}

enum class CancelMoment { WhileListing, AfterListing, InTheMiddleOfAFile, BetweenFiles };

struct CancelCase {
    const char* name;
    CancelMoment moment;
    const char* summary;
    const char* copied; // of sub1/x sub2/y a b c, the order the run takes them in
};

class Cancels : public BackupRunTest, public testing::WithParamInterface<CancelCase> {};

// A cancel at any moment cancels the run: only whole files that were done count, and no
// after-backup action follows.
TEST_P(Cancels, EndTheRunWithWhatWasDone) {
    const CancelCase& c = GetParam();
    const std::vector<std::string> files = words("sub1/x sub2/y a b c");
    for (const std::string& file : files)
        temp.writeFile("src/" + file, file);
    options.chkLogDetails = 1;
    options.ShutdownMode = 2;
    context.workers = RunWorkers{1, false};
    const std::string copyingB = "To-> " + destination("src/b");
    context.betweenSteps = [&] {
        const int foldersRead = fs.callCount(FsOperation::ListFolder);
        if ((c.moment == CancelMoment::WhileListing && foldersRead == 2) || // src/ and sub1/
            (c.moment == CancelMoment::AfterListing && foldersRead == 3) ||
            (c.moment == CancelMoment::InTheMiddleOfAFile &&
             logText().find(copyingB) != std::string::npos) ||
            (c.moment == CancelMoment::BetweenFiles &&
             !host.eventsStartingWith("refresh Dir2").empty()))
            flags.CancelRequested = true;
    };

    EXPECT_EQ(run().ending, RunEnding::Cancelled);
    const std::string text = logText();
    EXPECT_NE(text.find("\r\n" + std::string(c.summary) + "\r\n"), std::string::npos) << text;
    for (const char* absent : {"Error Occured", "up-to-date"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    EXPECT_TRUE(text.ends_with("because of one or more errors/problems during backup."));
    for (const std::string& file : files)
        EXPECT_EQ(temp.exists("dst/src/" + file), contains(words(c.copied), file)) << file;
    EXPECT_EQ(host.eventsStartingWith("sound"),
              (std::vector<std::string>{"sound s1.wav sync", "sound s3.wav async"}));
    EXPECT_TRUE(power.requests.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cancels,
    testing::Values(CancelCase{"WhileListing", CancelMoment::WhileListing,
                               "* Backup Canceled - 0 of the 1 Files Copied.", ""},
                    CancelCase{"AfterListing", CancelMoment::AfterListing,
                               "* Backup Canceled - 0 of the 5 Files Copied.", ""},
                    CancelCase{"InTheMiddleOfAFile", CancelMoment::InTheMiddleOfAFile,
                               "* Backup Canceled - 3 of the 5 Files Copied.", "sub1/x sub2/y a"},
                    CancelCase{"BetweenFiles", CancelMoment::BetweenFiles,
                               "* Backup Canceled - 1 of the 5 Files Copied.", "sub1/x"}),
    caseName<CancelCase>);

// With workers busy a cancel stops what has not started: the files the summary counts are
// the ones in the destination, and the file being copied when Cancel came is not among them.
TEST_F(BackupRunTest, CancelWithWorkersBusyCountsWhatIsInTheDestination) {
    const std::vector<std::string> files = words("a b c d e f g h i j k l m n o p");
    for (const std::string& file : files)
        temp.writeFile("src/" + file, file);
    fs.onCall(FsOperation::CopyFileData, [&](const std::string& copied) {
        if (copied == source("e"))
            flags.CancelRequested = true;
    });

    const RunOutcome outcome = run();

    EXPECT_EQ(outcome.ending, RunEnding::Cancelled);
    std::size_t inDestination = 0;
    for (const std::string& file : files)
        inDestination += temp.exists("dst/src/" + file) ? 1 : 0;
    EXPECT_FALSE(temp.exists("dst/src/e"));
    EXPECT_EQ(outcome.counts.copied, inDestination);
    EXPECT_NE(logText().find("* Backup Canceled - " + std::to_string(inDestination) +
                             " of the 16 Files Copied.\r\n"),
              std::string::npos)
        << logText();
    EXPECT_EQ(logText().find("Error Occured"), std::string::npos);
}

struct WorkersCase {
    const char* name;
    RunKind kind;
    bool conditional;
    bool preserve;
};

class SharedRuns : public BackupRunTest, public testing::WithParamInterface<WorkersCase> {};

// However the files are shared among threads, a run logs, counts and copies exactly what a
// run on one thread does: failures, preserved files and a file too large for the workers
// included.
TEST_P(SharedRuns, DoWhatOneThreadDoes) {
    const WorkersCase& c = GetParam();
    std::vector<std::string> sources;
    for (const char* folder : {"", "one/", "one/two/", "three/"})
        for (int i = 0; i < 12; ++i)
            sources.push_back(folder + std::string("f") + std::to_string(i));
    for (const std::string& file : sources)
        temp.writeFile("src/" + file, file);
    temp.writeFile("src/one/large", std::string(CopyLanes::smallFileLimit + 1, 'L'));
    fs.failOn(FsOperation::RenameReplacing, "dst/src/one/f3",
              std::make_error_code(std::errc::no_space_on_device));
    fs.failOn(FsOperation::CopyFileData, "src/three/f7", std::make_error_code(std::errc::io_error));
    state.copyMode = c.conditional ? CopyMode::SelectiveCopy : CopyMode::AllCopy;
    state.chkOnlyNewFiles.checked = true;
    state.chkChangedFiles.checked = true;
    options.chkSizeFiles = 1;
    state.chkPreserveFiles.checked = c.preserve;
    options.chkLogDetails = 1;
    const auto destinationBefore = [&] {
        std::filesystem::remove_all(temp / "dst");
        temp.writeFile("dst/src/f1", "f1");                   // the same
        temp.writeFile("dst/src/one/f2", "an older version"); // changed
        temp.writeFile("dst/src/one/f3", "an older version"); // its replacement fails
    };
    struct Seen {
        std::string log;
        RunCounts counts;
        std::size_t failedFiles;
        std::map<std::string, std::string> destination;
    };
    const auto runWith = [&](RunWorkers workers) {
        destinationBefore();
        log.replaceText({});
        context.workers = workers;
        const RunOutcome outcome = run(c.kind);
        Seen seen{logText(), outcome.counts, outcome.failedFiles, {}};
        for (const auto& entry : std::filesystem::recursive_directory_iterator(temp / "dst"))
            if (entry.is_regular_file())
                seen.destination[entry.path().string()] =
                    temp.readFile(std::filesystem::relative(entry.path(), temp.path()).string());
        return seen;
    };

    const Seen one = runWith({1, false});
    EXPECT_EQ(one.log.find("File 'f3' Error Occured: No space left on device") != std::string::npos,
              c.kind == RunKind::Backup)
        << one.log;
    for (const RunWorkers workers :
         {RunWorkers{4, true}, RunWorkers{4, false}, RunWorkers{2, true}}) {
        SCOPED_TRACE(testing::Message()
                     << workers.threads << " threads, copying " << workers.copySmallFiles);
        const Seen shared = runWith(workers);
        EXPECT_EQ(shared.log, one.log);
        EXPECT_EQ(shared.counts.selected, one.counts.selected);
        EXPECT_EQ(shared.counts.copied, one.counts.copied);
        EXPECT_EQ(shared.counts.failed, one.counts.failed);
        EXPECT_EQ(shared.counts.existing, one.counts.existing);
        EXPECT_EQ(shared.counts.preserved, one.counts.preserved);
        EXPECT_EQ(shared.failedFiles, one.failedFiles);
        EXPECT_EQ(shared.destination, one.destination);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SharedRuns,
                         testing::Values(WorkersCase{"Always", RunKind::Backup, false, false},
                                         WorkersCase{"Conditional", RunKind::Backup, true, false},
                                         WorkersCase{"ConditionalPreserving", RunKind::Backup, true,
                                                     true},
                                         WorkersCase{"Preview", RunKind::Preview, true, false}),
                         caseName<WorkersCase>);

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

    EXPECT_NE(logText().find("Flushing the destination volume " + volumeRoot() +
                             " failed: Input/output error. "
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
    // The animation shows while the copies are checked.
    const auto checking =
        std::find(host.events.begin(), host.events.end(), "view: Checking files for integrity...");
    ASSERT_NE(checking, host.events.begin());
    EXPECT_EQ(*std::prev(checking), "animation on");
}

struct FilterCase {
    const char* name;
    const char* filter;
    const char* copied; // of a.txt b.doc README.md x.c x.h sub.c/y.h
};

class Filters : public BackupRunTest, public testing::WithParamInterface<FilterCase> {};

// Only a blank filter means every file; letters compare without regard to case; folders
// are walked whatever their names, and never selected.
TEST_P(Filters, SelectWhatTheyName) {
    const FilterCase& c = GetParam();
    const std::vector<std::string> files = words("a.txt b.doc README.md x.c x.h sub.c/y.h");
    for (const std::string& file : files)
        temp.writeFile("src/" + file, file);
    state.cmbPattern.text = c.filter;
    run();
    for (const std::string& file : files)
        EXPECT_EQ(temp.exists("dst/src/" + file), contains(words(c.copied), file)) << file;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Filters,
    testing::Values(FilterCase{"Blank", "   ", "a.txt b.doc README.md x.c x.h sub.c/y.h"},
                    FilterCase{"ShortWithADescription", "*.c [C sources]", "x.c"},
                    FilterCase{"ThreeCharacters", "*.h", "x.h sub.c/y.h"},
                    FilterCase{"TwoCharacters", "a*", "a.txt"},
                    FilterCase{"WildcardsInAnotherCase", "*.TXT [Texts]", "a.txt"},
                    FilterCase{"NameInAnotherCase", "readme.md", "README.md"}),
    caseName<FilterCase>);

struct PlacementCase {
    const char* name;
    const char* source; // below the temporary folder, as all paths here
    const char* destination;
    const char* tree; // files, folders ("f/") and links to folders ("link->target text")
    const char* present;
    const char* absent;
    bool emptyFolders;
    bool leftOut; // said to lie inside the source
};

class Placements : public BackupRunTest, public testing::WithParamInterface<PlacementCase> {};

// Where a run puts what, twice: the second run must not change the picture.
TEST_P(Placements, FollowTheDestinationPaths) {
    const PlacementCase& c = GetParam();
    for (const std::string& entry : words(c.tree)) {
        if (const auto arrow = entry.find("->"); arrow != std::string::npos) {
            if (!makeSymlink(entry.substr(arrow + 2), temp / entry.substr(0, arrow)))
                GTEST_SKIP() << "this system makes no symbolic link for a test";
        } else if (entry.ends_with('/')) {
            temp.makeFolder(entry);
        } else {
            temp.writeFile(entry, entry);
        }
        // Hidden is a name on POSIX, an attribute on Windows.
        for (auto dot = entry.find("/."); dot != std::string::npos; dot = entry.find("/.", dot + 1))
            makeHidden(temp / entry.substr(0, entry.find('/', dot + 1)));
    }
    state.Dir1 = temp / c.source;
    state.Dir2 = temp / c.destination;
    options.chkEmptyFolders = c.emptyFolders ? 1 : 0;
    const std::string leftOut = "\r\nDestination folder " + state.Dir2 +
                                " lies inside the source folder: it is left out of the backup.\r\n";
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        log.replaceText({});
        EXPECT_EQ(run().ending, RunEnding::Finished);
        EXPECT_EQ(logText().find(leftOut) != std::string::npos, c.leftOut);
        for (const std::string& path : words(c.present))
            EXPECT_TRUE(temp.exists(path)) << path;
        for (const std::string& path : words(c.absent))
            EXPECT_FALSE(temp.exists(path)) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Placements,
    testing::Values(
        PlacementCase{"SameNameAtAnotherLength", "x/src/proj", "x/bk/proj",
                      "x/src/proj/a.txt x/src/proj/e/f/ x/bk/proj/",
                      "x/bk/proj/a.txt x/bk/proj/e/f", "x/bk/proj/proj", true, false},
        PlacementCase{"DestinationInsideTheSource", "home", "home/backup",
                      "home/a.txt home/docs/b.txt home/e/ home/backup/old/",
                      "home/backup/home/a.txt home/backup/home/docs/b.txt home/backup/home/e",
                      "home/backup/home/backup", true, true},
        PlacementCase{"DestinationInsideTheSourceThroughALink", "link", "home/backup",
                      "home/a.txt home/backup/ link->home", "home/backup/link/a.txt",
                      "home/backup/link/backup", false, true},
        // Not hidden ones, and never through a link (the link itself is copied as one).
        PlacementCase{"EmptyFoldersAtEveryDepth", "src", "dst",
                      "src/a.txt src/e1/e2/e3/ src/full/f.txt src/.hidden/e/ elsewhere/e/ "
                      "src/link->../elsewhere",
                      "dst/src/e1/e2/e3 dst/src/full/f.txt dst/src/link",
                      "dst/src/.hidden dst/src/link/e", true, false},
        PlacementCase{"EmptyFoldersOfAnEmptySource", "empty", "dst", "empty/", "dst/empty", "",
                      true, false},
        // Empty folders are made as the copies go: never through a link planted in the
        // destination.
        PlacementCase{"EmptyFoldersNeverThroughALinkInTheDestination", "src", "dst",
                      "src/e1/e2/e3/ elsewhere/ dst/src/ dst/src/e1->../../elsewhere", "dst/src/e1",
                      "elsewhere/e2", true, false},
        PlacementCase{"DestinationNotThereYet", "src", "new/dst", "src/a.txt", "new/dst/src/a.txt",
                      "", false, false},
        // Only the system folder itself is refused.
        PlacementCase{"FolderBelowTheWindowsFolder", "windows/sub", "dst", "windows/sub/a.txt",
                      "dst/sub/a.txt", "", false, false}),
    caseName<PlacementCase>);

} // namespace
} // namespace tidecopy::test
