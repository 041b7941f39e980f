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

INSTANTIATE_TEST_SUITE_P(
    BothFlavors, PathStyleRoot,
    testing::Values(RootCase{PathStyle::windows(), "C:\\data\\proj", "C:\\", false},
                    RootCase{PathStyle::windows(), "C:\\", "C:\\", true},
                    RootCase{PathStyle::windows(), "e:", "e:\\", true},
                    RootCase{PathStyle::windows(), "\\\\srv\\share\\a", "\\\\srv\\share\\", false},
                    RootCase{PathStyle::windows(), "\\\\srv\\share", "\\\\srv\\share\\", true},
                    RootCase{PathStyle::windows(), "data\\a", "", false},
                    RootCase{PathStyle::posix(), "/home/a", "/", false},
                    RootCase{PathStyle::posix(), "/", "/", true},
                    RootCase{PathStyle::posix(), "home/a", "", false}));

TEST(PathStyle, TrailingSeparatorsNeverEatTheRoot) {
    EXPECT_EQ(PathStyle::posix().withoutTrailingSeparator("/"), "/");
    EXPECT_EQ(PathStyle::posix().withoutTrailingSeparator("/a//"), "/a");
    EXPECT_EQ(PathStyle::windows().withoutTrailingSeparator("C:\\"), "C:\\");
    EXPECT_EQ(PathStyle::windows().withoutTrailingSeparator("C:\\a\\"), "C:\\a");
    EXPECT_EQ(PathStyle::windows().withTrailingSeparator("C:\\a"), "C:\\a\\");
    EXPECT_EQ(PathStyle::posix().withTrailingSeparator("/a/"), "/a/");
}

TEST(PathStyle, SplitsNameAndFolder) {
    const PathStyle w = PathStyle::windows();
    EXPECT_EQ(w.fileNameOf("C:\\b\\r.doc"), "r.doc");
    EXPECT_EQ(w.folderPartOf("C:\\b\\r.doc"), "C:\\b\\");
    EXPECT_EQ(w.fileNameOf("r.doc"), "r.doc");
    EXPECT_EQ(w.folderPartOf("r.doc"), "");
    // A backslash is an ordinary character of a POSIX name.
    EXPECT_EQ(PathStyle::posix().fileNameOf("/a/b\\c"), "b\\c");
    EXPECT_EQ(PathStyle::posix().join("/a/", "b"), "/a/b");
    EXPECT_EQ(PathStyle::posix().join("/a", "b"), "/a/b");
}

} // namespace
} // namespace tidecopy
