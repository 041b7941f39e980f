#include "engine/CopyVerification.h"

#include "support/FaultyFileSystem.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

TEST(VerifyCopy, ComparesWhatIsOnTheDisk) {
    TempFolder temp;
    FaultyFileSystem fs;
    const std::string big(3 << 20, 'b');
    std::string bigChanged = big;
    bigChanged[(2 << 20) + 7] = 'c';
    struct Case {
        std::string source;
        std::string target;
        VerifyResult expected;
    };
    const Case cases[] = {
        {big, big, VerifyResult::Verified},
        {"", "", VerifyResult::Verified},
        {big, bigChanged, VerifyResult::Differs},
        {"abc", "abcd", VerifyResult::Differs},
    };
    for (const Case& c : cases) {
        temp.writeFile("s", c.source);
        temp.writeFile("t", c.target);
        EXPECT_EQ(verifyCopy(fs, temp / "s", temp / "t"), c.expected) << c.target.size();
    }
}

TEST(VerifyCopy, UnreadableWhenTheDiskCannotAnswer) {
    TempFolder temp;
    FaultyFileSystem fs;
    temp.writeFile("s", "abc");
    EXPECT_EQ(verifyCopy(fs, temp / "s", temp / "missing"), VerifyResult::Unreadable);
    temp.writeFile("t", "abc");
    fs.failOn(FsOperation::FlushAndDropCache, temp / "t",
              std::make_error_code(std::errc::io_error));
    EXPECT_EQ(verifyCopy(fs, temp / "s", temp / "t"), VerifyResult::Unreadable);
}

TEST(VerifyCopy, LinksCompareByTheirText) {
    TempFolder temp;
    FaultyFileSystem fs;
    if (!makeSymlink("a", temp / "s") || !makeSymlink("a", temp / "same") ||
        !makeSymlink("b", temp / "other"))
        GTEST_SKIP() << "this system makes no symbolic link for a test";
    EXPECT_EQ(verifyCopy(fs, temp / "s", temp / "same"), VerifyResult::Verified);
    EXPECT_EQ(verifyCopy(fs, temp / "s", temp / "other"), VerifyResult::Differs);
}

} // namespace
} // namespace tidecopy::test
