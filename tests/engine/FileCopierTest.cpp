#include "engine/FileCopier.h"

#include "EngineFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tidecopy::test {
namespace {

constexpr std::int64_t someTimeNs = 1'234'567'890'123'456'789;

std::error_code errorOf(std::errc e) {
    return std::make_error_code(e);
}

class FileCopierTest : public ::testing::Test {
protected:
    FileCopierTest() {
        m_temp.makeFolder("src");
        m_temp.makeFolder("dst");
    }
    FileCopier copier(CopyOptions options = {}) {
        return FileCopier(
            m_fs, PathStyle::posix(), std::move(options),
            [this](std::string_view text) { m_log += text; }, RunControl{&m_cancel, {}});
    }
    static CopyOptions preserving(int naming = 0, std::string extension = "bak") {
        return CopyOptions{false, true, naming, std::move(extension)};
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
    const std::string source = m_temp.writeFile("src/a.txt", "hello");
    setModifiedNs(source, someTimeNs);
    ASSERT_EQ(::chmod(source.c_str(), 04750), 0);
    const std::string target = dst("x/y/a.txt");

    EXPECT_EQ(copier(CopyOptions{true, false, 0, ""}).GoAndCopyTheFile(source, target),
              CopyOutcome::Copied);
    EXPECT_EQ(read("x/y/a.txt"), "hello");
    EXPECT_EQ(modifiedNs(target), someTimeNs);
    EXPECT_EQ(permissionsOf(target), 0750u) << "set-user-ID is not carried to a new owner";
    EXPECT_EQ(m_log, "");
    EXPECT_TRUE(temporariesIn(dst("x/y")).empty());
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
}

TEST_F(FileCopierTest, PreservedNameFollowsTheNamingOption) {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preserved);
        m_log.clear();
        m_temp.writeFile("src/" + c.name, "new");
        m_temp.writeFile("dst/" + c.name, "old");
        FileCopier fc = copier(preserving(c.naming, c.extension));
        EXPECT_EQ(fc.GoAndCopyTheFile(src(c.name), dst(c.name)), CopyOutcome::Copied);
        EXPECT_EQ(read(c.name), "new");
        EXPECT_EQ(read(c.preserved), "old");
        EXPECT_EQ(m_log, "File already exists. Preserving existing file (renamed to ." + c.logged +
                             ")\r\n");
        EXPECT_EQ(fc.PreservedCount(), 1u);
        ::unlink(dst(c.preserved).c_str());
    }
}

TEST_F(FileCopierTest, MissingOrHiddenTargetIsNotPreserved) {
    for (const char* name : {"r.doc", ".r"}) {
        SCOPED_TRACE(name);
        m_temp.writeFile(std::string("src/") + name, "new");
        if (name[0] == '.')
            m_temp.writeFile(std::string("dst/") + name, "old");
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

    m_log.clear();
    m_temp.writeFile("src/r.doc", "v4");
    FileCopier c = copier(preserving());
    EXPECT_EQ(c.GoAndCopyTheFile(src("r.doc"), dst("r.doc")), CopyOutcome::Failed);
    EXPECT_EQ(m_log, "File 'r.doc' Error Occured: File exists\r\n");
    EXPECT_EQ(read("r.doc"), "v3");
    EXPECT_EQ(read("r.doc.bak"), "v0");
    EXPECT_EQ(read("r.doc.bak.bak.bak"), "v2");
    EXPECT_EQ(c.PreservedCount(), 0u);
    EXPECT_TRUE(temporariesIn(dst("")).empty());
}

// Every step of the replacement can fail; none may cost the old destination or a
// preserved copy, and none may leave a temporary or a half-made preserved name behind.
TEST_F(FileCopierTest, AnyFailingStepLeavesEverythingAsItWas) {
    struct Fault {
        FsOperation operation;
        std::string path;
        std::errc error;
        std::string text;
    };
    const Fault faults[] = {
        {FsOperation::EntryInfo, "src/r.doc", std::errc::io_error, "Input/output error"},
        {FsOperation::CopyFileData, ".tidecopy-", std::errc::no_space_on_device,
         "No space left on device"},
        {FsOperation::CopyFileData, ".tidecopy-", std::errc::io_error, "Input/output error"},
        {FsOperation::SetModifiedTime, ".tidecopy-", std::errc::io_error, "Input/output error"},
        {FsOperation::SetPermissions, ".tidecopy-", std::errc::read_only_file_system,
         "Read-only file system"},
        {FsOperation::HardLink, "r.doc.bak.bak", std::errc::io_error, "Input/output error"},
        {FsOperation::RenameReplacing, "dst/r.doc", std::errc::permission_denied,
         "Permission denied"},
    };
    for (bool linksWork : {true, false}) {
        for (const Fault& f : faults) {
            SCOPED_TRACE(f.text + (linksWork ? "" : " (links unsupported)"));
            m_log.clear();
            m_fs.clearFaults();
            // Without links, preserving is a rename that never replaces.
            const bool preservingStep = f.operation == FsOperation::HardLink;
            m_fs.failOn(preservingStep && !linksWork ? FsOperation::RenameNoReplace : f.operation,
                        f.path, errorOf(f.error));
            if (!linksWork)
                m_fs.failOn(FsOperation::HardLink, "", errorOf(std::errc::operation_not_permitted));
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

TEST_F(FileCopierTest, WithoutLinksTheTargetIsRenamedButNeverOverwritesAPreservedCopy) {
    m_fs.failOn(FsOperation::HardLink, "", errorOf(std::errc::operation_not_permitted));
    m_temp.writeFile("src/r.doc", "new");
    m_temp.writeFile("dst/r.doc", "old");
    FileCopier c = copier(preserving());
    EXPECT_EQ(c.GoAndCopyTheFile(src("r.doc"), dst("r.doc")), CopyOutcome::Copied);
    EXPECT_EQ(read("r.doc"), "new");
    EXPECT_EQ(read("r.doc.bak"), "old");
    EXPECT_EQ(c.PreservedCount(), 1u);
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

TEST_F(FileCopierTest, LeftoverTemporariesOfACrashAreRemoved) {
    m_temp.writeFile("src/a", "x");
    m_temp.writeFile("dst/.tidecopy-0123456789abcdef.tmp", "half");
    m_temp.writeFile("dst/.tidecopy-notours.tmp", "keep");
    copier().GoAndCopyTheFile(src("a"), dst("a"));
    EXPECT_FALSE(m_temp.exists("dst/.tidecopy-0123456789abcdef.tmp"));
    EXPECT_TRUE(m_temp.exists("dst/.tidecopy-notours.tmp"));
}

TEST_F(FileCopierTest, LinksAreRecreatedWithTheirTextAndTime) {
    ASSERT_EQ(::symlink("../some/where", src("link").c_str()), 0);
    setModifiedNs(src("link"), someTimeNs);
    EXPECT_EQ(copier().GoAndCopyTheFile(src("link"), dst("link")), CopyOutcome::Copied);
    char text[64] = {};
    ASSERT_EQ(::readlink(dst("link").c_str(), text, sizeof text - 1), 13);
    EXPECT_STREQ(text, "../some/where");
    EXPECT_EQ(modifiedNs(dst("link")), someTimeNs);
}

TEST_F(FileCopierTest, UnusualNamesCopy) {
    const std::string longName(255, 'n');
    for (const std::string& name : {std::string("line\nbreak"), std::string("\x1b[31mred"),
                                    std::string("bad\xff\xfe"), longName}) {
        m_temp.writeFile("src/" + name, name);
        EXPECT_EQ(copier().GoAndCopyTheFile(src(name), dst(name)), CopyOutcome::Copied);
        EXPECT_EQ(read(name), name);
    }
    // Its preserved name would pass the limit: a failure, and the old file stays.
    EXPECT_EQ(copier(preserving()).GoAndCopyTheFile(src(longName), dst(longName)),
              CopyOutcome::Failed);
    EXPECT_EQ(m_log, "File '" + longName + "' Error Occured: File name too long\r\n");
    EXPECT_TRUE(temporariesIn(dst("")).empty());
}

TEST_F(FileCopierTest, FolderInTheWayIsAnError) {
    m_temp.writeFile("src/r.doc", "new");
    m_temp.makeFolder("dst/r.doc");
    EXPECT_EQ(copier().GoAndCopyTheFile(src("r.doc"), dst("r.doc")), CopyOutcome::Failed);
    EXPECT_EQ(m_log, "File 'r.doc' Error Occured: Is a directory\r\n");
    EXPECT_TRUE(temporariesIn(dst("")).empty());
}

// No data reaches the end of these files: only the size itself gives them their length.
TEST_F(FileCopierTest, TrailingHoleKeepsTheSize) {
    for (const std::string_view data : {"head", ""}) {
        const std::string source = m_temp.writeFile("src/holes", data);
        ASSERT_EQ(::truncate(source.c_str(), 1 << 20), 0);
        EXPECT_EQ(copier().GoAndCopyTheFile(source, dst("holes")), CopyOutcome::Copied);
        std::string expected(data);
        expected.resize(1 << 20, '\0');
        EXPECT_EQ(read("holes"), expected) << '"' << data << '"';
    }
}

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

} // namespace
} // namespace tidecopy::test
