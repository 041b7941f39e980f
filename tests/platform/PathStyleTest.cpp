#include "platform/PathStyle.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct RootCase {
    PathStyle style;
    const char* path;
    const char* root;
    bool isRoot;
};

class PathStyleRoot : public testing::TestWithParam<RootCase> {};

TEST_P(PathStyleRoot, FindsTheRoot) {
    const RootCase& c = GetParam();
    EXPECT_EQ(c.style.rootOf(c.path), c.root) << c.path;
    EXPECT_EQ(c.style.isRoot(c.path), c.isRoot) << c.path;
}

const PathStyle windows = PathStyle::windows();
const PathStyle posix = PathStyle::posix();

INSTANTIATE_TEST_SUITE_P(
    BothFlavors, PathStyleRoot,
    testing::Values(RootCase{windows, "C:\\data\\proj", "C:\\", false},
                    RootCase{windows, "C:\\", "C:\\", true}, RootCase{windows, "e:", "e:\\", true},
                    RootCase{windows, "\\\\srv\\share\\a", "\\\\srv\\share\\", false},
                    RootCase{windows, "\\\\srv\\share", "\\\\srv\\share\\", true},
                    RootCase{windows, "data\\a", "", false}, RootCase{posix, "/home/a", "/", false},
                    RootCase{posix, "/", "/", true}, RootCase{posix, "home/a", "", false}));

TEST(PathStyle, TrailingSeparatorsNeverEatTheRoot) {
    EXPECT_EQ(posix.withoutTrailingSeparator("/"), "/");
    EXPECT_EQ(posix.withoutTrailingSeparator("/a//"), "/a");
    EXPECT_EQ(windows.withoutTrailingSeparator("C:\\"), "C:\\");
    EXPECT_EQ(windows.withoutTrailingSeparator("C:\\a\\"), "C:\\a");
    EXPECT_EQ(windows.withTrailingSeparator("C:\\a"), "C:\\a\\");
    EXPECT_EQ(posix.withTrailingSeparator("/a/"), "/a/");
}

TEST(PathStyle, SplitsNameAndFolder) {
    EXPECT_EQ(windows.fileNameOf("C:\\b\\r.doc"), "r.doc");
    EXPECT_EQ(windows.folderPartOf("C:\\b\\r.doc"), "C:\\b\\");
    EXPECT_EQ(windows.fileNameOf("r.doc"), "r.doc");
    EXPECT_EQ(windows.folderPartOf("r.doc"), "");
    // A backslash is an ordinary character of a POSIX name.
    EXPECT_EQ(posix.fileNameOf("/a/b\\c"), "b\\c");
    EXPECT_EQ(posix.join("/a/", "b"), "/a/b");
    EXPECT_EQ(posix.join("/a", "b"), "/a/b");
}

} // namespace
} // namespace tidecopy
