#include "support/SystemFiles.h"
#include "RunFixture.h"
#include "engine/ChecksumList.h"

#include <filesystem>
#include <functional>

namespace tidecopy::test {
namespace {

// Backups of src/ (a.txt, sub/b.txt and a name with a line feed) with the checksum list on.
class ChecksumListRun : public RunFixture {
protected:
    ChecksumListRun() {
        temp.writeFile("src/a.txt", "alpha");
        temp.writeFile("src/sub/b.txt", "beta");
        temp.writeFile("src/new\nline", "lf");
        options.chkChecksumList = 1;
        state.chkOnlyNewFiles.checked = true;
        state.chkChangedFiles.checked = true;
    }

    std::string listText() const { return temp.readFile("dst/Tidecopy.sha256"); }
    ChecksumList list() const {
        const ParsedChecksumList parsed = parseChecksumList(listText());
        EXPECT_TRUE(parsed.damagedLines.empty());
        return parsed.entries;
    }
    std::string digestOf(std::string_view file) {
        return hexOf(*digestOfFile(fs, destination(file), {}));
    }
    // A newer source for sub/b.txt, which the next run copies.
    void changeB() {
        temp.writeFile("src/sub/b.txt", "BETA, changed");
        setModifiedNs(source("sub/b.txt"), modifiedNs(source("sub/b.txt")) + 5'000'000'000);
    }
};

TEST_F(ChecksumListRun, ListsTheBackupAndChangesOnlyWhatARunCopies) {
    EXPECT_EQ(run().failedFiles, 0u);
    ChecksumList first = list();
    ASSERT_EQ(first.size(), 3u);
    for (const char* file : {"src/a.txt", "src/sub/b.txt", "src/new\nline"})
        EXPECT_EQ(hexOf(first[file].digest), digestOf(file)) << file;
    EXPECT_NE(logText().find("Checksum list updated: 3 file(s) listed, 3 new checksum(s).\r\n"),
              std::string::npos)
        << logText();

    // Rot in a.txt under its old size and time is not taken into the list; b.txt's copy is.
    const std::int64_t aTime = modifiedNs(destination("src/a.txt"));
    temp.writeFile("dst/src/a.txt", "alphA");
    setModifiedNs(destination("src/a.txt"), aTime);
    changeB();
    log.replaceText({});
    EXPECT_EQ(run().counts.copied, 1u);
    const ChecksumList second = list();
    EXPECT_EQ(second.at("src/a.txt"), first.at("src/a.txt"));
    EXPECT_EQ(second.at("src/new\nline"), first.at("src/new\nline"));
    EXPECT_EQ(hexOf(second.at("src/sub/b.txt").digest), digestOf("src/sub/b.txt"));
    EXPECT_NE(logText().find("Checksum list updated: 3 file(s) listed, 1 new checksum(s).\r\n"),
              std::string::npos)
        << logText();
}

// A file the run did not copy keeps its entry unless the list lacks it, or a run without the
// list replaced it with the source's version; a list sha256sum wrote gains the sizes and
// times of the files that still match it.
TEST_F(ChecksumListRun, FilesARunDidNotCopy) {
    enum class Entry { OfTheFile, AsBefore, Unstamped };
    struct Case {
        const char* name;
        std::function<void()> arrange; // leaves the list a last run changes
        std::vector<std::pair<const char*, Entry>> expected;
    };
    const auto withoutTheList = [this] {
        options.chkChecksumList = 0;
        run();
        options.chkChecksumList = 1;
    };
    const Case cases[] = {
        {"backed up without the list",
         withoutTheList,
         {{"src/a.txt", Entry::OfTheFile}, {"src/sub/b.txt", Entry::OfTheFile}}},
        {"replaced by a run without the list",
         [&] {
             run();
             changeB();
             withoutTheList();
         },
         {{"src/a.txt", Entry::AsBefore}, {"src/sub/b.txt", Entry::OfTheFile}}},
        {"edited in the backup, not copied again",
         [&] {
             run();
             temp.writeFile("dst/src/a.txt", "edited in the backup");
             state.chkChangedFiles.checked = false;
         },
         {{"src/a.txt", Entry::AsBefore}, {"src/sub/b.txt", Entry::AsBefore}}},
        {"in the backup but not in the list",
         [&] {
             temp.writeFile("dst/src/a.txt", "another a, not the source's");
             state.chkChangedFiles.checked = false;
         },
         {{"src/a.txt", Entry::OfTheFile}, {"src/sub/b.txt", Entry::OfTheFile}}},
        {"a list sha256sum wrote",
         [&] {
             withoutTheList();
             const std::string other(64, '0');
             temp.writeFile("dst/Tidecopy.sha256",
                            digestOf("src/a.txt") + "  src/a.txt\n" + other + "  src/sub/b.txt\n");
         },
         {{"src/a.txt", Entry::OfTheFile}, {"src/sub/b.txt", Entry::Unstamped}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(temp / "dst");
        temp.makeFolder("dst");
        temp.writeFile("src/sub/b.txt", "beta");
        state.chkChangedFiles.checked = true;
        c.arrange();
        const ChecksumList before = list();
        run();
        const ChecksumList after = list();
        for (const auto& [path, entry] : c.expected) {
            SCOPED_TRACE(path);
            ASSERT_TRUE(after.contains(path));
            const ChecksumEntry& listed = after.at(path);
            if (entry == Entry::OfTheFile) {
                EXPECT_EQ(hexOf(listed.digest), digestOf(path));
                EXPECT_EQ(listed.stamp, (FileStamp{std::filesystem::file_size(destination(path)),
                                                   modifiedNs(destination(path))}));
            } else if (entry == Entry::AsBefore) {
                EXPECT_EQ(listed, before.at(path));
            } else {
                EXPECT_FALSE(listed.stamp);
                EXPECT_EQ(listed, before.at(path));
            }
        }
    }
}

// With the integrity check on, its read of each copy gives the digest: no second read.
TEST_F(ChecksumListRun, EachCopyIsReadOnce) {
    for (const bool integrity : {true, false}) {
        SCOPED_TRACE(integrity);
        std::filesystem::remove_all(temp / "dst");
        temp.makeFolder("dst");
        options.chkIntegrity = integrity ? 1 : 0;
        const int readsBefore = fs.callCount(FsOperation::ReadContents);
        const int comparesBefore = fs.callCount(FsOperation::CompareContents);
        run();
        // The old list's read, and the copies' where the check did not read them.
        EXPECT_EQ(fs.callCount(FsOperation::ReadContents) - readsBefore, integrity ? 1 : 4);
        EXPECT_EQ(fs.callCount(FsOperation::CompareContents) - comparesBefore, integrity ? 3 : 0);
        EXPECT_EQ(list().size(), 3u);
    }
}

// The old name of a replaced file keeps the old digest.
TEST_F(ChecksumListRun, APreservedFileTakesItsEntryAlong) {
    run();
    const ChecksumList first = list();
    state.chkPreserveFiles.checked = true;
    changeB();
    run();
    const ChecksumList second = list();
    ASSERT_EQ(second.size(), 4u) << listText();
    const auto preserved = std::find_if(second.begin(), second.end(), [](const auto& entry) {
        return entry.first.starts_with("src/sub/") && entry.first != "src/sub/b.txt";
    });
    ASSERT_NE(preserved, second.end());
    EXPECT_TRUE(temp.exists("dst/" + preserved->first));
    EXPECT_EQ(preserved->second, first.at("src/sub/b.txt"));
}

struct FaultCase {
    const char* name;
    FsOperation operation;
    const char* path;
    std::int16_t integrity;
    bool listKept;       // the old list stays byte for byte
    const char* logLine; // with the folder of the run's files as {}
    std::size_t failedFiles;
};

class ChecksumListFaults : public ChecksumListRun, public testing::WithParamInterface<FaultCase> {};

// Nothing of the old list is lost to a fault; each fault is named and counted.
TEST_P(ChecksumListFaults, KeepTheOldListOrNameTheFile) {
    const FaultCase& c = GetParam();
    options.chkIntegrity = c.integrity;
    run();
    const std::string before = listText();
    changeB();
    log.replaceText({});
    fs.failOn(c.operation, c.path, std::make_error_code(std::errc::io_error));

    const RunOutcome outcome = run();

    std::string line = c.logLine;
    if (const auto at = line.find("{}"); at != std::string::npos)
        line.replace(at, 2, temp / "dst/");
    EXPECT_NE(logText().find(line), std::string::npos) << logText();
    EXPECT_EQ(listText() == before, c.listKept) << listText();
    EXPECT_EQ(outcome.failedFiles, c.failedFiles);
    EXPECT_EQ(outcome.ending, RunEnding::Finished);
    EXPECT_TRUE(temporariesIn(temp / "dst").empty());
    // Whatever is listed matches the bytes on the disk, or is b.txt's old digest.
    for (const auto& [path, entry] : list()) {
        if (path != "src/sub/b.txt") {
            EXPECT_EQ(hexOf(entry.digest), digestOf(path)) << path;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChecksumListFaults,
    testing::Values(
        FaultCase{
            "ListNotWritten", FsOperation::WriteWholeFileAtomically, "Tidecopy.sha256", 0, true,
            "Checksum list '{}Tidecopy.sha256' could not be written: Input/output error\r\n", 1},
        FaultCase{"ListUnreadable", FsOperation::ReadContents, "Tidecopy.sha256", 0, true,
                  "Checksum list '{}Tidecopy.sha256' cannot be read: Input/output error. It is "
                  "left as it is.\r\n",
                  1},
        FaultCase{"CopyUnreadable", FsOperation::ReadContents, "b.txt", 0, false,
                  "File 'src/sub/b.txt' could not be read for the checksum list: Input/output "
                  "error\r\n",
                  1},
        // The copy failed its check: its old digest stays for a verify to name.
        FaultCase{"CopyFailsTheIntegrityCheck", FsOperation::CompareContents, "b.txt", 1, true,
                  "File 'b.txt' failed the integrity check.\r\n", 0},
        FaultCase{"DestinationNotFlushed", FsOperation::FlushVolume, "dst", 0, true,
                  "Copied files may not be on disk.\r\n", 1}),
    caseName<FaultCase>);

TEST_F(ChecksumListRun, ADamagedListIsLeftForTheUserToLookAt) {
    temp.writeFile("dst/Tidecopy.sha256", "not a checksum line\n");
    EXPECT_EQ(run().failedFiles, 1u);
    EXPECT_EQ(listText(), "not a checksum line\n");
    EXPECT_NE(logText().find("is damaged at line 1. It is left as it is.\r\n"), std::string::npos);
}

// A run stopped anywhere leaves the old list whole.
TEST_F(ChecksumListRun, ACancelledRunLeavesTheOldList) {
    run();
    const std::string before = listText();
    changeB();
    temp.writeFile("src/sub/c.txt", "gamma");
    log.replaceText({});
    context.betweenSteps = [&] {
        if (temp.exists("dst/src/sub/b.txt") && temp.readFile("dst/src/sub/b.txt") != "beta")
            flags.CancelRequested = true;
    };
    EXPECT_EQ(run().ending, RunEnding::Cancelled);
    EXPECT_EQ(listText(), before);
    EXPECT_NE(logText().find("Checksum list not updated: the backup was canceled.\r\n"),
              std::string::npos)
        << logText();
}

// A run without the list, or a preview, leaves no list behind.
TEST_F(ChecksumListRun, OnlyARealRunWithTheOptionWritesIt) {
    run(RunKind::Preview);
    EXPECT_FALSE(temp.exists("dst/Tidecopy.sha256"));
    options.chkChecksumList = 0;
    run();
    EXPECT_FALSE(temp.exists("dst/Tidecopy.sha256"));
}

} // namespace
} // namespace tidecopy::test
