#include "engine/FileCopier.h"

#include "support/FaultyFileSystem.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tidecopy::test {
namespace {

// Windows keeps times in steps of 100 ns.
constexpr std::int64_t someTimeNs = 1'234'567'890'123'456'700;
constexpr std::int64_t timeStepNs = 100;

std::error_code errorOf(std::errc e) {
    return std::make_error_code(e);
}

// How an existing destination is preserved: a second name (hard link); where links are
// refused, the new version and the old trade places; where that is unsupported too, two
// renames.
enum Preserving { ByLink = 1, ByExchange = 2, ByRenames = 4, AnyWay = 7 };

class FileCopierTest : public ::testing::Test {
protected:
    FileCopierTest() {
        m_temp.makeFolder("src");
        m_temp.makeFolder("dst");
    }
    FileCopier copier(CopyOptions options = {}) {
        options.destinationFolder = m_temp / "dst";
        return FileCopier(
            m_fs, PathStyle::native(), std::move(options),
            [this](std::string_view text) { m_log += text; }, RunControl{&m_cancel, {}});
    }
    static CopyOptions preserving(int naming = 0, std::string extension = "bak") {
        return CopyOptions{false, true, naming, std::move(extension), {}};
    }
    // The faults that send preservation the given way.
    void preserveBy(Preserving way) {
        if (way != ByLink)
            m_fs.failOn(FsOperation::HardLink, "", errorOf(std::errc::operation_not_permitted));
        if (way == ByRenames)
            m_fs.failOn(FsOperation::Exchange, "", errorOf(std::errc::invalid_argument));
    }
    std::string src(std::string_view name) const { return m_temp / ("src/" + std::string(name)); }
    std::string dst(std::string_view name) const { return m_temp / ("dst/" + std::string(name)); }
    std::string read(std::string_view name) const {
        return m_temp.readFile("dst/" + std::string(name));
    }

    TempFolder m_temp;
    FaultyFileSystem m_fs;
    std::string m_log;
    std::atomic<bool> m_cancel{false};
};

TEST_F(FileCopierTest, CopiesDataTimeAndPermissionsIntoNewFolders) {
    const std::size_t handlesBefore = openHandles();
    const std::string source = m_temp.writeFile("src/a.txt", "hello");
    setModifiedNs(source, someTimeNs);
#ifdef _WIN32
    // Windows has no permission bits to carry: a file is read-only or not.
    const std::uint32_t expectedPermissions = 0666;
#else
    ASSERT_EQ(::chmod(source.c_str(), 04750), 0);
    const std::uint32_t expectedPermissions = 0750; // set-user-ID is not carried to a new owner
#endif
    const std::string target = dst("x/y/a.txt");

    EXPECT_EQ(copier(CopyOptions{true, false, 0, "", {}}).GoAndCopyTheFile(source, target),
              CopyOutcome::Copied);
    EXPECT_EQ(read("x/y/a.txt"), "hello");
    EXPECT_EQ(modifiedNs(target), someTimeNs);
    EXPECT_EQ(permissionsOf(target), expectedPermissions);
    EXPECT_EQ(m_log, "");
    EXPECT_TRUE(temporariesIn(dst("x/y")).empty());
    EXPECT_EQ(m_fs.callCount(FsOperation::FlushBeforeReplacing), 0)
        << "a new file replaces nothing";
    EXPECT_EQ(m_fs.callCount(FsOperation::RemoveFile), 0) << "nothing to tidy after a copy";
    EXPECT_EQ(openHandles(), handlesBefore);
}

TEST_F(FileCopierTest, OverwritesWithoutPreservingWhenPreservationIsOff) {
    m_temp.writeFile("src/r.doc", "new");
    m_temp.writeFile("dst/r.doc", "old");
    FileCopier c = copier();
    EXPECT_EQ(c.GoAndCopyTheFile(src("r.doc"), dst("r.doc")), CopyOutcome::Copied);
    EXPECT_EQ(read("r.doc"), "new");
    EXPECT_FALSE(m_temp.exists("dst/r.doc.bak"));
    EXPECT_EQ(m_log, "");
    EXPECT_EQ(c.PreservedCount(), 0u);
    EXPECT_EQ(m_fs.callCount(FsOperation::FlushBeforeReplacing), 1)
        << "on the disk before it replaces";
}

// Without a preserved copy the new version takes its name by a rename that refuses to
// replace, so a new file needs no look first. Where that rename fails for another reason a
// look decides; any failure keeps what was there and leaves no temporary.
TEST_F(FileCopierTest, TakingTheNameWorksWhereRenamesCannotRefuseAndFailsSafely) {
    struct Case {
        const char* name;
        bool existing;
        std::vector<FsOperation> failing;
        std::errc error;
        CopyOutcome outcome;
        int flushes;
    };
    const Case cases[] = {
        {"NewWhereRefusingIsUnsupported",
         false,
         {FsOperation::RenameNoReplace},
         std::errc::invalid_argument,
         CopyOutcome::Copied,
         0},
        {"OldWhereRefusingIsUnsupported",
         true,
         {FsOperation::RenameNoReplace},
         std::errc::invalid_argument,
         CopyOutcome::Copied,
         1},
        {"NewThatCannotBeNamed",
         false,
         {FsOperation::RenameNoReplace, FsOperation::RenameReplacing},
         std::errc::io_error,
         CopyOutcome::Failed,
         0},
        {"OldThatCannotBeReplaced",
         true,
         {FsOperation::RenameReplacing},
         std::errc::permission_denied,
         CopyOutcome::Failed,
         1},
        {"OldWhoseReplacementCannotBeFlushed",
         true,
         {FsOperation::FlushBeforeReplacing},
         std::errc::io_error,
         CopyOutcome::Failed,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_log.clear();
        m_fs.clearFaults();
        for (const FsOperation operation : c.failing)
            m_fs.failOn(operation, "", errorOf(c.error));
        ::unlink(dst("r.doc").c_str());
        if (c.existing)
            m_temp.writeFile("dst/r.doc", "old");
        m_temp.writeFile("src/r.doc", "new");
        const int flushesBefore = m_fs.callCount(FsOperation::FlushBeforeReplacing);

        EXPECT_EQ(copier().GoAndCopyTheFile(src("r.doc"), dst("r.doc")), c.outcome);
        EXPECT_EQ(m_fs.callCount(FsOperation::FlushBeforeReplacing) - flushesBefore, c.flushes);
        EXPECT_TRUE(temporariesIn(dst("")).empty());
        if (c.outcome == CopyOutcome::Copied) {
            EXPECT_EQ(read("r.doc"), "new");
            EXPECT_EQ(m_log, "");
        } else {
            EXPECT_EQ(m_temp.exists("dst/r.doc") ? read("r.doc") : "", c.existing ? "old" : "");
            EXPECT_EQ(m_log, "File 'r.doc' Error Occured: " +
                                 std::make_error_code(c.error).message() + "\r\n");
        }
    }
}

// Whichever way the old version is kept, the destination's name is never missing, except
// for a moment where names can neither be linked nor exchanged.
TEST_F(FileCopierTest, PreservedNameFollowsTheNamingOptionWhicheverWayItIsKept) {
    struct Case {
        int naming;
        std::string extension;
        std::string name;
        std::string preserved;
        std::string logged;
    };
    const Case cases[] = {
        {0, "old", "r.doc", "r.doc.bak", "bak"},   {1, "old", "r.doc", "r.doc.doc", "doc"},
        {1, "old", "README", "README.bak", "bak"}, {2, "old", "r.doc", "r.doc.old", "old"},
        {2, "", "r.doc", "r.doc.bak", "bak"},
    };
    // Windows cannot exchange two names: there only a link keeps the name in place.
    const int keepsTheName =
        PathStyle::native().flavor() == PathStyle::Flavor::Windows ? ByLink : ByLink | ByExchange;
    const Case* current = nullptr;
    bool everMissing = false;
    for (FsOperation step :
         {FsOperation::RenameNoReplace, FsOperation::Exchange, FsOperation::RenameReplacing})
        m_fs.onCall(step, [&](const std::string&) {
            everMissing |= !m_temp.exists("dst/" + current->name);
        });
    for (const Preserving way : {ByLink, ByExchange, ByRenames}) {
        preserveBy(way);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.preserved + " preserving by " + std::to_string(way));
            current = &c;
            everMissing = false;
            m_log.clear();
            m_temp.writeFile("src/" + c.name, "new");
            m_temp.writeFile("dst/" + c.name, "old");
            FileCopier fc = copier(preserving(c.naming, c.extension));
            EXPECT_EQ(fc.GoAndCopyTheFile(src(c.name), dst(c.name)), CopyOutcome::Copied);
            EXPECT_EQ(read(c.name), "new");
            EXPECT_EQ(read(c.preserved), "old");
            EXPECT_EQ(m_log, "File already exists. Preserving existing file (renamed to ." +
                                 c.logged + ")\r\n");
            EXPECT_EQ(fc.PreservedCount(), 1u);
            EXPECT_TRUE(temporariesIn(dst("")).empty());
            EXPECT_EQ(everMissing, (way & keepsTheName) == 0);
            ::unlink(dst(c.preserved).c_str());
        }
    }
}

TEST_F(FileCopierTest, MissingOrHiddenTargetIsNotPreserved) {
    for (const char* name : {"r.doc", ".r"}) {
        SCOPED_TRACE(name);
        m_temp.writeFile(std::string("src/") + name, "new");
        if (name[0] == '.')
            makeHidden(m_temp.writeFile(std::string("dst/") + name, "old"));
        FileCopier c = copier(preserving());
        EXPECT_EQ(c.GoAndCopyTheFile(src(name), dst(name)), CopyOutcome::Copied);
        EXPECT_EQ(read(name), "new");
        EXPECT_FALSE(m_temp.exists(std::string("dst/") + name + ".bak"));
        EXPECT_EQ(c.PreservedCount(), 0u);
    }
    EXPECT_EQ(m_log, "");
}

TEST_F(FileCopierTest, PreservedChainStopsAtTheFourthStepWithAnError) {
    m_temp.writeFile("dst/r.doc", "v0");
    for (const char* version : {"v1", "v2", "v3"}) {
        m_temp.writeFile("src/r.doc", version);
        EXPECT_EQ(copier(preserving()).GoAndCopyTheFile(src("r.doc"), dst("r.doc")),
                  CopyOutcome::Copied);
    }
    EXPECT_EQ(read("r.doc.bak"), "v0");
    EXPECT_EQ(read("r.doc.bak.bak"), "v1");
    EXPECT_EQ(read("r.doc.bak.bak.bak"), "v2");

    m_temp.writeFile("src/r.doc", "v4");
    for (const Preserving way : {ByLink, ByExchange}) {
        SCOPED_TRACE(way);
        m_log.clear();
        preserveBy(way);
        FileCopier c = copier(preserving());
        EXPECT_EQ(c.GoAndCopyTheFile(src("r.doc"), dst("r.doc")), CopyOutcome::Failed);
        EXPECT_TRUE(namesSystemError(m_log, "r.doc", "File exists")) << m_log;
        EXPECT_EQ(read("r.doc"), "v3");
        EXPECT_EQ(read("r.doc.bak"), "v0");
        EXPECT_EQ(read("r.doc.bak.bak.bak"), "v2");
        EXPECT_EQ(c.PreservedCount(), 0u);
        EXPECT_TRUE(temporariesIn(dst("")).empty());
    }
}

// Every step of the replacement can fail; none may cost the old destination or a
// preserved copy, and none may leave a temporary or a half-made preserved name behind.
TEST_F(FileCopierTest, AnyFailingStepLeavesEverythingAsItWas) {
    struct Fault {
        FsOperation operation;
        std::string path;
        std::errc error;
        std::string text;
        int ways;
    };
    const Fault faults[] = {
        {FsOperation::EntryInfo, "src/r.doc", std::errc::io_error, "Input/output error", AnyWay},
        {FsOperation::CopyFileData, ".tidecopy-", std::errc::no_space_on_device,
         "No space left on device", AnyWay},
        {FsOperation::CopyFileData, ".tidecopy-", std::errc::io_error, "Input/output error",
         AnyWay},
        {FsOperation::SetModifiedTime, ".tidecopy-", std::errc::io_error, "Input/output error",
         AnyWay},
        {FsOperation::SetPermissions, ".tidecopy-", std::errc::read_only_file_system,
         "Read-only file system", AnyWay},
        {FsOperation::FlushBeforeReplacing, ".tidecopy-", std::errc::io_error, "Input/output error",
         AnyWay},
        {FsOperation::HardLink, "r.doc.bak.bak", std::errc::io_error, "Input/output error", ByLink},
        {FsOperation::RenameNoReplace, "r.doc.bak.bak", std::errc::io_error, "Input/output error",
         ByExchange | ByRenames},
        {FsOperation::Exchange, "dst/r.doc", std::errc::io_error, "Input/output error", ByExchange},
        {FsOperation::RenameReplacing, "dst/r.doc", std::errc::permission_denied,
         "Permission denied", ByLink | ByRenames},
    };
    for (const Preserving way : {ByLink, ByExchange, ByRenames}) {
        for (const Fault& f : faults) {
            if ((f.ways & way) == 0)
                continue;
            SCOPED_TRACE(f.text + " preserving by " + std::to_string(way));
            m_log.clear();
            m_fs.clearFaults();
            m_fs.failOn(f.operation, f.path, errorOf(f.error));
            preserveBy(way);
            ::unlink(dst("r.doc.bak.bak").c_str());
            m_temp.writeFile("src/r.doc", "new contents");
            m_temp.writeFile("dst/r.doc", "old");
            m_temp.writeFile("dst/r.doc.bak", "older");

            FileCopier c = copier(preserving());
            EXPECT_EQ(c.GoAndCopyTheFile(src("r.doc"), dst("r.doc")), CopyOutcome::Failed);
            EXPECT_EQ(read("r.doc"), "old");
            EXPECT_EQ(read("r.doc.bak"), "older");
            EXPECT_FALSE(m_temp.exists("dst/r.doc.bak.bak"));
            EXPECT_TRUE(temporariesIn(dst("")).empty());
            EXPECT_EQ(m_log, "File 'r.doc' Error Occured: " + f.text + "\r\n");
            EXPECT_EQ(c.PreservedCount(), 0u);
        }
    }
}

TEST_F(FileCopierTest, CancelAbortsTheFileAndKeepsTheOldOne) {
    m_temp.writeFile("src/big", std::string(3 << 20, 'n'));
    m_temp.writeFile("dst/big", "old");
    m_cancel = true;
    EXPECT_EQ(copier().GoAndCopyTheFile(src("big"), dst("big")), CopyOutcome::Cancelled);
    EXPECT_EQ(read("big"), "old");
    EXPECT_TRUE(temporariesIn(dst("")).empty());
    EXPECT_EQ(m_log, ""); // a cancel is no error
}

// A second run into the same folder while the first writes its temporary: the second
// leaves that one alone, as it is locked, and removes only what a killed run left.
TEST_F(FileCopierTest, TwoRunsIntoOneFolderBothFinishAndOnlyLeftoversGo) {
    m_temp.writeFile("src/first", std::string(1 << 20, 'f'));
    m_temp.writeFile("src/second", "s");
    bool secondRan = false;
    m_fs.onCall(FsOperation::CopyFileData, [&](const std::string& source) {
        if (secondRan || source != src("first"))
            return;
        secondRan = true;
        const std::vector<std::string> firstsTemporary = temporariesIn(dst(""));
        ASSERT_EQ(firstsTemporary.size(), 1u);
        m_temp.writeFile("dst/.tidecopy-0123456789abcdef.tmp", "a killed run's");
        m_temp.writeFile("dst/.tidecopy-notours.tmp", "keep");
        EXPECT_EQ(copier().GoAndCopyTheFile(src("second"), dst("second")), CopyOutcome::Copied);
        EXPECT_EQ(temporariesIn(dst("")), firstsTemporary);
    });
    EXPECT_EQ(copier().GoAndCopyTheFile(src("first"), dst("first")), CopyOutcome::Copied);
    EXPECT_TRUE(secondRan);
    EXPECT_EQ(read("first"), std::string(1 << 20, 'f'));
    EXPECT_EQ(read("second"), "s");
    EXPECT_TRUE(temporariesIn(dst("")).empty());
    EXPECT_TRUE(m_temp.exists("dst/.tidecopy-notours.tmp"));
    EXPECT_EQ(m_log, "");
}

// Rewritten in place while its bytes are copied: copied once more, and failed when it
// changes again; never stored as a mix of two versions.
TEST_F(FileCopierTest, SourceChangingWhileCopiedIsCopiedAgainOnceThenFails) {
    struct Case {
        const char* name;
        int rewrites;
        std::string text; // the new version
        CopyOutcome outcome;
    };
    const Case cases[] = {
        {"rewritten once, longer", 1, "version 1 is longer", CopyOutcome::Copied},
        {"rewritten once, shorter", 1, "v1", CopyOutcome::Copied},
        {"rewritten once, same size: the time tells", 1, "version 1", CopyOutcome::Copied},
        {"rewritten again and again", 1000, "version 1 is longer", CopyOutcome::Failed},
    };
    const Case* current = nullptr;
    int rewrites = 0;
    m_fs.onCall(FsOperation::CopyFileData, [&](const std::string& source) {
        if (rewrites == current->rewrites)
            return;
        ++rewrites;
        m_temp.writeFile("src/a.txt", current->text);
        setModifiedNs(source, someTimeNs + rewrites * timeStepNs);
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        current = &c;
        rewrites = 0;
        m_log.clear();
        m_temp.writeFile("src/a.txt", "version 0");
        m_temp.writeFile("dst/a.txt", "backup");
        const int copiesBefore = m_fs.callCount(FsOperation::CopyFileData);
        EXPECT_EQ(copier().GoAndCopyTheFile(src("a.txt"), dst("a.txt")), c.outcome);
        EXPECT_EQ(m_fs.callCount(FsOperation::CopyFileData) - copiesBefore, 2);
        if (c.outcome == CopyOutcome::Copied) {
            EXPECT_EQ(read("a.txt"), c.text);
            EXPECT_EQ(modifiedNs(dst("a.txt")), someTimeNs + timeStepNs);
            EXPECT_EQ(m_log, "");
        } else {
            EXPECT_EQ(read("a.txt"), "backup");
            EXPECT_EQ(m_log, "File 'a.txt' changed while it was being copied.\r\n");
        }
        EXPECT_TRUE(temporariesIn(dst("")).empty());
    }
}

#ifndef _WIN32
// Symbolic links as POSIX makes them (Wine makes none; Windows only with a right).
TEST_F(FileCopierTest, LinksAreRecreatedWithTheirTextAndTime) {
    ASSERT_EQ(::symlink("../some/where", src("link").c_str()), 0);
    setModifiedNs(src("link"), someTimeNs);
    EXPECT_EQ(copier().GoAndCopyTheFile(src("link"), dst("link")), CopyOutcome::Copied);
    char text[64] = {};
    ASSERT_EQ(::readlink(dst("link").c_str(), text, sizeof text - 1), 13);
    EXPECT_STREQ(text, "../some/where");
    EXPECT_EQ(modifiedNs(dst("link")), someTimeNs);
}
#endif

TEST_F(FileCopierTest, UnusualNamesCopy) {
    for (const std::string& name : unusualNames()) {
        m_temp.writeFile("src/" + name, name);
        EXPECT_EQ(copier().GoAndCopyTheFile(src(name), dst(name)), CopyOutcome::Copied);
        EXPECT_EQ(read(name), name);
    }
    // Its preserved name would pass the limit: a failure, and the old file stays.
    const std::string longName = unusualNames().back();
    EXPECT_EQ(copier(preserving()).GoAndCopyTheFile(src(longName), dst(longName)),
              CopyOutcome::Failed);
    EXPECT_TRUE(namesSystemError(m_log, longName, "File name too long")) << m_log;
    EXPECT_TRUE(temporariesIn(dst("")).empty());
}

// The error a user reads is the one that stopped the copy, not what followed from it.
TEST_F(FileCopierTest, FolderThatCannotBeMadeOrUsedIsReportedWithItsOwnError) {
    struct Case {
        const char* target;
        std::errc planted; // on creating dst/new
        std::string text;
    };
    m_temp.writeFile("src/r.doc", "new");
    m_temp.makeFolder("dst/folder/r.doc");
    m_temp.writeFile("dst/file", "x");
    for (const Case& c :
         {Case{"new/deep/r.doc", std::errc::read_only_file_system, "Read-only file system"},
          Case{"new/r.doc", std::errc::permission_denied, "Permission denied"},
          Case{"file/r.doc", {}, "Not a directory"}, Case{"folder/r.doc", {}, "Is a directory"},
          Case{"../escape/r.doc", {}, "Invalid argument"}}) {
        SCOPED_TRACE(c.target);
        m_log.clear();
        m_fs.clearFaults();
        if (c.planted != std::errc{})
            m_fs.failOn(FsOperation::CreateFolder, "dst/new", errorOf(c.planted));
        EXPECT_EQ(copier(CopyOptions{true, false, 0, "", {}})
                      .GoAndCopyTheFile(src("r.doc"), dst(c.target)),
                  CopyOutcome::Failed);
        if (c.planted == std::errc{}) {
            EXPECT_TRUE(namesSystemError(m_log, "r.doc", c.text)) << m_log;
        } else {
            EXPECT_EQ(m_log, "File 'r.doc' Error Occured: " + c.text + "\r\n");
        }
    }
    EXPECT_FALSE(m_temp.exists("dst/new"));
    EXPECT_FALSE(m_temp.exists("escape"));
    EXPECT_TRUE(temporariesIn(dst("folder")).empty());
}

// Whoever can write the destination plants links to elsewhere: at whatever level, no step
// of the run (preparing folders, clearing leftovers, copying, preserving) writes there.
#ifndef _WIN32
TEST_F(FileCopierTest, LinkPlantedInTheDestinationIsNeverFollowed) {
    const std::string elsewhere = m_temp.makeFolder("elsewhere");
    m_temp.writeFile("elsewhere/.tidecopy-0123456789abcdef.tmp", "theirs");
    m_temp.writeFile("src/a.txt", "new");
    for (const std::string level : {"proj", "proj/sub", "proj/sub/deep"}) {
        SCOPED_TRACE(level);
        m_log.clear();
        std::filesystem::remove_all(dst("proj"));
        m_temp.makeFolder("dst/" + level);
        std::filesystem::remove(dst(level));
        ASSERT_EQ(::symlink(elsewhere.c_str(), dst(level).c_str()), 0);

        FileCopier c = copier(CopyOptions{true, true, 0, "bak", {}});
        c.prepareFolder(dst("proj/sub/deep/more"));
        c.removeLeftoversBeside(dst("proj/sub/deep/a.txt"));
        EXPECT_EQ(c.GoAndCopyTheFile(src("a.txt"), dst("proj/sub/deep/a.txt")),
                  CopyOutcome::Failed);
        EXPECT_EQ(m_log, "File 'a.txt' Error Occured: '" + dst(level) +
                             "' is a symbolic link; not followed.\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(elsewhere), {}), 1);
        EXPECT_TRUE(m_temp.exists("elsewhere/.tidecopy-0123456789abcdef.tmp"));
    }

    // A link in the place of the file itself is replaced, and preserved as the link it is.
    m_temp.writeFile("elsewhere/a.txt", "theirs");
    ASSERT_EQ(::symlink((elsewhere + "/a.txt").c_str(), dst("a.txt").c_str()), 0);
    EXPECT_EQ(copier(preserving()).GoAndCopyTheFile(src("a.txt"), dst("a.txt")),
              CopyOutcome::Copied);
    EXPECT_EQ(read("a.txt"), "new");
    EXPECT_EQ(std::filesystem::read_symlink(dst("a.txt.bak")), elsewhere + "/a.txt");
    EXPECT_EQ(m_temp.readFile("elsewhere/a.txt"), "theirs");
}

// The destination folder is the user's choice: it may be a link, and a missing one is made
// when folders are recursed.
TEST_F(FileCopierTest, TheDestinationFolderItselfMayBeALinkOrMissing) {
    m_temp.writeFile("src/a.txt", "new");
    m_temp.makeFolder("real");
    ASSERT_EQ(::symlink((m_temp / "real").c_str(), (m_temp / "chosen").c_str()), 0);
    struct Case {
        std::string destination;
        bool chkSubFolders;
        std::string copiedTo; // empty: the copy fails as the folder is missing
    };
    for (const Case& c : {Case{"chosen", false, "real/a.txt"},
                          Case{"made/here", true, "made/here/a.txt"}, Case{"missing", false, ""}}) {
        SCOPED_TRACE(c.destination);
        m_log.clear();
        FileCopier copier(m_fs, PathStyle::native(),
                          CopyOptions{c.chkSubFolders, false, 0, "", m_temp / c.destination},
                          [this](std::string_view text) { m_log += text; });
        EXPECT_EQ(copier.GoAndCopyTheFile(src("a.txt"), m_temp / (c.destination + "/a.txt")),
                  c.copiedTo.empty() ? CopyOutcome::Failed : CopyOutcome::Copied);
        if (!c.copiedTo.empty()) {
            EXPECT_EQ(m_temp.readFile(c.copiedTo), "new");
        }
    }
    EXPECT_EQ(m_log, "File 'a.txt' Error Occured: No such file or directory\r\n");
}
#endif

// No data reaches the end of these files: only the size itself gives them their length.
TEST_F(FileCopierTest, TrailingHoleKeepsTheSize) {
    for (const std::string_view data : {"head", ""}) {
        const std::string source = m_temp.writeFile("src/holes", data);
        std::filesystem::resize_file(source, 1 << 20);
        EXPECT_EQ(copier().GoAndCopyTheFile(source, dst("holes")), CopyOutcome::Copied);
        std::string expected(data);
        expected.resize(1 << 20, '\0');
        EXPECT_EQ(read("holes"), expected) << '"' << data << '"';
    }
}

#ifndef _WIN32
TEST_F(FileCopierTest, SparseFileOfFiveGibibytesKeepsItsDataAndHoles) {
    const std::uint64_t size = std::uint64_t{5} << 30;
    const std::string source = m_temp.writeFile("src/sparse", "head");
    {
        const int fd = ::open(source.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
        ASSERT_EQ(::pwrite(fd, "mid", 3, static_cast<off_t>((std::uint64_t{4} << 30) + 1)), 3);
        ASSERT_EQ(::pwrite(fd, "tail", 4, static_cast<off_t>(size - 4)), 4);
        ::close(fd);
    }
    EXPECT_EQ(copier().GoAndCopyTheFile(source, dst("sparse")), CopyOutcome::Copied);

    struct stat st {};
    ASSERT_EQ(::stat(dst("sparse").c_str(), &st), 0);
    EXPECT_EQ(static_cast<std::uint64_t>(st.st_size), size);
    EXPECT_LT(st.st_blocks * 512, 64 << 20) << "holes were written out";
    const int fd = ::open(dst("sparse").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    char buffer[5] = {};
    EXPECT_EQ(::pread(fd, buffer, 4, 0), 4);
    EXPECT_STREQ(buffer, "head");
    EXPECT_EQ(::pread(fd, buffer, 4, static_cast<off_t>(std::uint64_t{4} << 30)), 4);
    EXPECT_EQ(std::string(buffer, 4), std::string("\0mid", 4));
    EXPECT_EQ(::pread(fd, buffer, 4, static_cast<off_t>(size - 4)), 4);
    EXPECT_STREQ(buffer, "tail");
    ::close(fd);
}
#endif

} // namespace
} // namespace tidecopy::test
