#include "engine/DestinationPath.h"

#include <gtest/gtest.h>
#include <string>

namespace tidecopy {
namespace {

// The options that shape a destination: chkSubFolders, chkRelative, chkOnlySubs.
struct Form {
    bool chkSubFolders;
    bool chkRelative;
    bool chkOnlySubs;
};
constexpr Form flat{false, false, false};
constexpr Form flatOnlySubs{false, true, true};
constexpr Form full{true, false, false};
constexpr Form fullOnlySubs{true, false, true};
constexpr Form relative{true, true, false};
constexpr Form onlySubs{true, true, true};

struct TargetCase {
    PathStyle style;
    const char* source;
    const char* destination;
    Form form;
    const char* sourceFile;
    const char* expected;
};

template <typename Case>
DestinationPathInputs inputsOf(const Case& c) {
    return {c.source, c.destination, c.form.chkSubFolders, c.form.chkRelative, c.form.chkOnlySubs};
}

class TargetFile : public testing::TestWithParam<TargetCase> {};

TEST_P(TargetFile, FollowsTheCopyOptions) {
    const TargetCase& c = GetParam();
    EXPECT_EQ(DestinationPath(c.style, inputsOf(c)).TargetFile(c.sourceFile), c.expected)
        << c.source << " -> " << c.destination << ": " << c.sourceFile;
}

const PathStyle windows = PathStyle::windows();
const PathStyle posix = PathStyle::posix();

// The worked examples: source C:\data\proj, destination E:\backup, file C:\data\proj\sub\a.txt.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TargetFile,
    testing::Values(TargetCase{windows, "C:\\data\\proj", "E:\\backup", flat,
                               "C:\\data\\proj\\a.txt", "E:\\backup\\a.txt"},
                    TargetCase{windows, "C:\\data\\proj", "E:\\backup", flatOnlySubs,
                               "C:\\data\\proj\\a.txt", "E:\\backup\\a.txt"},
                    TargetCase{windows, "C:\\data\\proj", "E:\\backup", full,
                               "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\data\\proj\\sub\\a.txt"},
                    TargetCase{windows, "C:\\data\\proj", "E:\\backup", fullOnlySubs,
                               "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\data\\proj\\sub\\a.txt"},
                    TargetCase{windows, "C:\\data\\proj", "E:\\backup", relative,
                               "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\proj\\sub\\a.txt"},
                    TargetCase{windows, "C:\\data\\proj", "E:\\backup", onlySubs,
                               "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\sub\\a.txt"},
                    TargetCase{windows, "C:\\data\\proj", "E:\\data\\proj", relative,
                               "C:\\data\\proj\\sub\\a.txt", "E:\\data\\proj\\sub\\a.txt"},
                    TargetCase{windows, "C:\\data\\proj", "E:\\data\\proj", onlySubs,
                               "C:\\data\\proj\\sub\\a.txt", "E:\\data\\proj\\sub\\a.txt"}));

INSTANTIATE_TEST_SUITE_P(
    FoldersAndRoots, TargetFile,
    testing::Values(
        // Trailing separators on the pane folders change nothing.
        TargetCase{windows, "C:\\data\\proj\\", "E:\\backup\\", relative,
                   "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\proj\\sub\\a.txt"},
        TargetCase{posix, "/data/proj/", "/backup/", relative, "/data/proj/sub/a.txt",
                   "/backup/proj/sub/a.txt"},
        // The same-name rule compares the two folders' own names, whatever the lengths of
        // their paths, letters' case as the path style has it; not text at one place.
        TargetCase{windows, "C:\\data\\proj", "E:\\bk\\proj", relative, "C:\\data\\proj\\a.txt",
                   "E:\\bk\\proj\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup\\PROJ", relative, "C:\\data\\proj\\a.txt",
                   "E:\\backup\\PROJ\\a.txt"},
        TargetCase{posix, "/src/proj", "/bk/proj", relative, "/src/proj/a.txt", "/bk/proj/a.txt"},
        TargetCase{posix, "/src/proj", "/bk/Proj", relative, "/src/proj/a.txt",
                   "/bk/Proj/proj/a.txt"},
        TargetCase{posix, "/a/proj", "/bxproj", relative, "/a/proj/a.txt", "/bxproj/proj/a.txt"},
        // A destination shorter than the source folder's parent.
        TargetCase{windows, "C:\\data\\projects\\web", "E:\\", relative,
                   "C:\\data\\projects\\web\\a.txt", "E:\\web\\a.txt"},
        TargetCase{posix, "/data/projects/web", "/", relative, "/data/projects/web/a.txt",
                   "/web/a.txt"},
        // A root as source: the whole path below it, in every form.
        TargetCase{windows, "C:\\", "E:\\backup", relative, "C:\\sub\\a.txt",
                   "E:\\backup\\sub\\a.txt"},
        TargetCase{windows, "C:\\", "E:\\backup", full, "C:\\sub\\a.txt", "E:\\backup\\sub\\a.txt"},
        TargetCase{posix, "/", "/backup", relative, "/sub/a.txt", "/backup/sub/a.txt"},
        // Folders below the source map like files (folder preparation relies on it).
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", relative, "C:\\data\\proj\\sub\\deeper",
                   "E:\\backup\\proj\\sub\\deeper"},
        TargetCase{posix, "/data/proj", "/backup", onlySubs, "/data/proj/sub/deeper",
                   "/backup/sub/deeper"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", relative, "C:\\data\\proj",
                   "E:\\backup\\proj"},
        TargetCase{posix, "/data/proj", "/backup", onlySubs, "/data/proj", "/backup/"},
        TargetCase{posix, "/data/proj", "/backup", full, "/data/proj", "/backup/data/proj"}));

// The relative part is never shortened, however deep the tree.
TEST(TargetFileDepth, KeepsAWholeDeepPath) {
    std::string below;
    for (char letter = 'a'; letter <= 'h'; ++letter)
        below += std::string(100, letter) + "/";
    below += "a.txt";
    const DestinationPath paths(posix, {"/data/proj", "/backup", true, true, false});
    EXPECT_EQ(paths.TargetFile("/data/proj/" + below), "/backup/proj/" + below);
}

struct ConfirmCase {
    PathStyle style;
    const char* source;
    const char* destination;
    Form form;
    const char* expected; // empty: no question
};

class DestinationFolderToConfirm : public testing::TestWithParam<ConfirmCase> {};

TEST_P(DestinationFolderToConfirm, IsWhereTheSourceFoldersOwnFilesGo) {
    const ConfirmCase& c = GetParam();
    EXPECT_EQ(DestinationPath(c.style, inputsOf(c)).destinationFolderToConfirm().value_or(""),
              c.expected)
        << c.source << " -> " << c.destination;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DestinationFolderToConfirm,
    testing::Values(
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", full, "E:\\backup\\data\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\", full, "E:\\data\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", relative, "E:\\backup\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\data\\proj", relative, "E:\\data\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", onlySubs, "E:\\backup"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", flat, "E:\\backup"},
        ConfirmCase{windows, "C:\\", "E:\\backup", relative, ""},
        ConfirmCase{posix, "/data/proj", "/", relative, "/proj"},
        ConfirmCase{posix, "/", "/backup", relative, ""}));

} // namespace
} // namespace tidecopy
