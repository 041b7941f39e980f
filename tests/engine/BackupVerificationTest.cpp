#include "engine/BackupVerification.h"

#include "RunFixture.h"
#include "engine/RunWorkers.h"
#include "support/SystemFiles.h"

#include <filesystem>

namespace tidecopy::test {
namespace {

// A backup of src/ into dst/src/ with its checksum list, then a verify of dst/.
class BackupVerificationTest : public RunFixture {
protected:
    BackupVerificationTest() {
        for (const char* file : {"a.txt", "b.txt", "sub/c.txt", "back\\slash", "d.txt"})
            temp.writeFile("src/" + std::string(file), std::string("bytes of ") + file);
        options.chkChecksumList = 1;
        run();
        log.replaceText({});
        host.events.clear();
    }

    VerifyReport verify(unsigned workers = 1) {
        VerifyContext verifying{fake.platform, host, runLog, flags.CancelRequested, workers};
        verifying.betweenSteps = betweenSteps;
        return verifyBackup(verifying, temp / "dst");
    }

    std::function<void()> betweenSteps;
};

struct VerifyCase {
    const char* name;
    std::function<void(TempFolder& temp, FaultyFileSystem& fs)> arrange;
    VerifyCounts counts;    // listed 5, checked 5 unless cancelled
    const char* lines;      // between the list's line and the summary
    const char* summaryEnd; // after "Backup verified: 5 listed file(s), "
};

class Verifies : public BackupVerificationTest, public testing::WithParamInterface<VerifyCase> {};

TEST_P(Verifies, NameEveryDifference) {
    const VerifyCase& c = GetParam();
    c.arrange(temp, fs);
    const std::string listed = "- Checksum List-> " + temp / "dst/Tidecopy.sha256" + "\r\n";
    // The same lines in the same order however many read at once.
    for (const unsigned workers : {1u, 4u}) {
        SCOPED_TRACE(workers);
        log.replaceText({});
        const VerifyReport report = verify(workers);
        EXPECT_EQ(report.ending, VerifyEnding::Finished);
        VerifyCounts expected = c.counts;
        expected.listed = expected.checked = 5;
        const VerifyCounts& got = report.counts;
        EXPECT_EQ(std::tie(got.listed, got.checked, got.intact, got.changed, got.rotOrTampering,
                           got.missing, got.unreadable, got.extra, got.damagedLines),
                  std::tie(expected.listed, expected.checked, expected.intact, expected.changed,
                           expected.rotOrTampering, expected.missing, expected.unreadable,
                           expected.extra, expected.damagedLines));
        EXPECT_EQ(got.differences(),
                  expected.intact != 5 || expected.extra + expected.damagedLines > 0);
        const std::string text = logText();
        EXPECT_TRUE(text.starts_with("\r\n*** Verify Backup Started at ")) << text;
        std::string lines = c.lines;
        if (const auto at = lines.find("{dst}"); at != std::string::npos)
            lines.replace(at, 5, temp / "dst/");
        EXPECT_NE(text.find(listed + lines + "Backup verified: 5 listed file(s), " + c.summaryEnd +
                            "\r\nThe time it took to verify this backup was-> "),
                  std::string::npos)
            << text;
    }
}

// Rewrites a file of the backup with bytes of its own and, for rot, its old time.
void rewrite(TempFolder& files, const std::string& relative, const std::string& bytes,
             bool keepTime);

INSTANTIATE_TEST_SUITE_P(
    Table, Verifies,
    testing::Values(
        VerifyCase{"AllIntact",
                   [](TempFolder&, FaultyFileSystem&) {},
                   {.intact = 5},
                   "",
                   "5 intact, 0 changed, 0 missing, 0 unreadable; 0 file(s) not in the list."},
        VerifyCase{"RotUnderTheOldSizeAndTime",
                   [](TempFolder& files, FaultyFileSystem&) {
                       rewrite(files, "dst/src/b.txt", "bytes of b.txX", true);
                   },
                   {.intact = 4, .changed = 1, .rotOrTampering = 1},
                   "File 'src/b.txt' has changed while its size and time stayed the same: bit "
                   "rot or tampering.\r\n",
                   "4 intact, 1 changed (1 with size and time unchanged: rot or tampering), 0 "
                   "missing, 0 unreadable; 0 file(s) not in the list."},
        VerifyCase{"EditedAndRemovedAndAdded",
                   [](TempFolder& files, FaultyFileSystem&) {
                       rewrite(files, "dst/src/back\\slash", "edited", false);
                       std::filesystem::remove(files / "dst/src/sub/c.txt");
                       files.writeFile("dst/src/new.txt", "new");
                       // Hidden files are never backed up: not extra either.
                       files.writeFile("dst/src/.hidden", "hidden");
                   },
                   {.intact = 3, .changed = 1, .missing = 1, .extra = 1},
                   "File 'src/back\\\\slash' has changed.\r\n"
                   "File 'src/sub/c.txt' is missing.\r\n"
                   "File 'src/new.txt' is not in the checksum list.\r\n",
                   "3 intact, 1 changed, 1 missing, 0 unreadable; 1 file(s) not in the list."},
        VerifyCase{"AFolderWhereAFileWas",
                   [](TempFolder& files, FaultyFileSystem&) {
                       std::filesystem::remove(files / "dst/src/a.txt");
                       files.writeFile("dst/src/a.txt/inside", "x");
                   },
                   {.intact = 4, .missing = 1, .extra = 1},
                   "File 'src/a.txt' is missing.\r\n"
                   "File 'src/a.txt/inside' is not in the checksum list.\r\n",
                   "4 intact, 0 changed, 1 missing, 0 unreadable; 1 file(s) not in the list."},
        VerifyCase{"UnreadableFileAndFolder",
                   [](TempFolder&, FaultyFileSystem& fs) {
                       fs.failOn(FsOperation::ReadContents, "d.txt",
                                 std::make_error_code(std::errc::io_error));
                       fs.failOn(FsOperation::ListFolder, "src/sub",
                                 std::make_error_code(std::errc::permission_denied));
                   },
                   {.intact = 4, .unreadable = 2},
                   "File 'src/d.txt' could not be read: Input/output error\r\n"
                   "Folder '{dst}src/sub/' Error Occured: Permission denied\r\n",
                   "4 intact, 0 changed, 0 missing, 2 unreadable; 0 file(s) not in the list."},
        VerifyCase{"ADamagedLine",
                   [](TempFolder& files, FaultyFileSystem&) {
                       files.writeFile("dst/Tidecopy.sha256",
                                       files.readFile("dst/Tidecopy.sha256") + "garbage\n");
                   },
                   {.intact = 5, .damagedLines = 1},
                   "Line 14 of the checksum list cannot be read.\r\n",
                   "5 intact, 0 changed, 0 missing, 0 unreadable; 0 file(s) not in the list; 1 "
                   "damaged line(s) in the list."}),
    caseName<VerifyCase>);

void rewrite(TempFolder& files, const std::string& relative, const std::string& bytes,
             bool keepTime) {
    const std::string path = files / relative;
    const std::int64_t time = modifiedNs(path);
    files.writeFile(relative, bytes);
    setModifiedNs(path, keepTime ? time : time + 3'000'000'000);
}

TEST_F(BackupVerificationTest, WithoutAListThereIsNothingToVerify) {
    std::filesystem::remove(temp / "dst/Tidecopy.sha256");
    EXPECT_EQ(verify().ending, VerifyEnding::NoList);
    EXPECT_NE(logText().find("There is no checksum list to verify: '" +
                             temp / "dst/Tidecopy.sha256" + "' does not exist.\r\n"),
              std::string::npos)
        << logText();
    EXPECT_EQ(logText().find("Backup verified"), std::string::npos);
}

// Cancel stops the reading; nothing is reported as verified.
TEST_F(BackupVerificationTest, CancelStopsBetweenFiles) {
    for (const unsigned workers : {1u, 4u}) {
        flags.CancelRequested = false;
        log.replaceText({});
        int steps = 0;
        betweenSteps = [&] {
            if (++steps == 2)
                flags.CancelRequested = true;
        };
        const VerifyReport report = verify(workers);
        EXPECT_EQ(report.ending, VerifyEnding::Cancelled);
        EXPECT_EQ(report.counts.checked, 2u);
        EXPECT_NE(logText().find("* Verify Canceled - 2 of the 5 Files Checked.\r\n"),
                  std::string::npos)
            << logText();
        EXPECT_EQ(logText().find("Backup verified"), std::string::npos);
        EXPECT_EQ(host.eventsStartingWith("value ").back(), "value 2");
    }
}

// Shown as a run: the preparation, a progress that reaches 100 %, the controls back.
TEST_F(BackupVerificationTest, ShowsItselfAsARun) {
    verify();
    EXPECT_EQ(host.progressTexts.back(), "Backup verified: 5 listed file(s), 5 intact, 0 changed, "
                                         "0 missing, 0 unreadable; 0 file(s) not in the list.");
    EXPECT_NE(std::find(host.progressTexts.begin(), host.progressTexts.end(),
                        "Verifying Files... 100% - Estimated Time Remaining 00:00:00"),
              host.progressTexts.end());
    EXPECT_EQ(host.percentages.back(), 100);
    EXPECT_EQ(host.eventsStartingWith("value ").back(), "value 6"); // the bar full
}

// A memory file system mounted on a spinning disk's folder does not spin: the volume list
// leaves it out, the mount points name it.
TEST(VerifyWorkers, OneReaderOnASpinningDisk) {
    FakeVolumes volumes;
    volumes.add("/", "", {1, 2});
    volumes.add("/media/disk", "", {1, 2});
    volumes.volumes.back().rotational = true;
    volumes.otherMounts.push_back("/media/disk/shm");
    const struct {
        const char* folder;
        bool spinning;
    } rows[] = {{"/media/disk/backup", true},      {"/media/disk", true},
                {"/media/diskette/backup", false}, {"/media/disk/shm/backup", false},
                {"/media/disk/shmem", true},       {"/home/backup", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder);
        EXPECT_EQ(onSpinningDisk(volumes, row.folder), row.spinning);
        const unsigned readers = verifyWorkersFor(volumes, row.folder);
        EXPECT_EQ(readers == 1, row.spinning);
        EXPECT_LE(readers, 4u);
        EXPECT_EQ(runWorkersFor(volumes, row.folder).copySmallFiles, !row.spinning);
    }
}

} // namespace
} // namespace tidecopy::test
