#include "platform/posix/CloneMemory.h"

#include <cerrno>
#include <gtest/gtest.h>

using tidecopy::CloneMemory;

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
