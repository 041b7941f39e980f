#include "platform/posix/CloneMemory.h"
#include "platform/posix/CloseErrorMemory.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

using tidecopy::CloneMemory;
using tidecopy::CloseErrorMemory;

// Only answers about the whole pair of file systems stop the next file's clone; an answer
// about one file (EPERM: immutable, EINVAL: btrfs checksum settings differ) or about the
// data must not cost every later file its clone.
TEST(CloneMemory, RemembersOnlyWhatHoldsForThePairAndOnlyForThatPair) {
    const struct {
        int error;
        bool pairRemembered;
    } rows[] = {{EOPNOTSUPP, true}, {ENOTTY, true},  {ENOSYS, true}, {EXDEV, true},
                {EPERM, false},     {EINVAL, false}, {EIO, false},   {ENOSPC, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error);
        CloneMemory memory;
        EXPECT_TRUE(memory.worthTrying(1, 2));
        memory.learn(1, 2, row.error);
        memory.learn(1, 2, row.error);
        EXPECT_EQ(memory.worthTrying(1, 2), !row.pairRemembered);
        EXPECT_TRUE(memory.worthTrying(2, 1));
        EXPECT_TRUE(memory.worthTrying(1, 3));
        EXPECT_TRUE(memory.worthTrying(3, 2));
    }
}

// The closing check is spared only on file systems known to report a failed write when it
// happens; one that cannot be asked, or is unknown, keeps it. Each device is asked once.
TEST(CloseErrorMemory, SparesTheCheckOnlyOnKnownLocalFileSystems) {
    const struct {
        long type;
        bool mayFail;
    } rows[] = {{0xEF53, false},
                {0x9123683E, false},
                {0x58465342, false},
                {0x01021994, false},
                {0x6969, true} /* NFS */,
                {0xFE534D42, true} /* SMB */,
                {0x65735546, true} /* FUSE */,
                {0x4D44, true} /* FAT */};
    for (const auto& row : rows)
        EXPECT_EQ(tidecopy::closeMayReportWriteErrors(row.type), row.mayFail) << row.type;

    tidecopy::test::TempFolder temp;
    const std::string path = temp.writeFile("f", "x");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    struct stat st {};
    ASSERT_EQ(::fstat(fd, &st), 0);
    struct statfs fs {};
    ASSERT_EQ(::fstatfs(fd, &fs), 0);
    CloseErrorMemory memory;
    const bool expected = tidecopy::closeMayReportWriteErrors(static_cast<long>(fs.f_type));
    EXPECT_EQ(memory.closeMayFail(fd, st.st_dev), expected);
    ::close(fd);
    EXPECT_EQ(memory.closeMayFail(-1, st.st_dev), expected) << "asked again";
    EXPECT_TRUE(memory.closeMayFail(-1, st.st_dev + 1)) << "a device that cannot be asked";
}
