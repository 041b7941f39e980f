#include "engine/DestinationPath.h"

#include <gtest/gtest.h>
#include <string>

namespace tidecopy {
namespace {

enum class Recurse { Off, On };
enum class Relative { Off, On };
enum class OnlySubs { Off, On };

struct TargetCase {
    PathStyle style;
    const char* source;
    const char* destination;
    Recurse recurse;
    Relative relative;
    OnlySubs onlySubs;
    const char* sourceFile;
    const char* expected;
};

template <typename Case>
DestinationPathInputs inputsOf(const Case& c) {
    return {c.source, c.destination, c.recurse == Recurse::On, c.relative == Relative::On,
            c.onlySubs == OnlySubs::On};
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
    testing::Values(
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::Off, Relative::Off,
                   OnlySubs::Off, "C:\\data\\proj\\a.txt", "E:\\backup\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::Off, Relative::On,
                   OnlySubs::On, "C:\\data\\proj\\a.txt", "E:\\backup\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::Off,
                   OnlySubs::Off, "C:\\data\\proj\\sub\\a.txt",
                   "E:\\backup\\data\\proj\\sub\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::Off,
                   OnlySubs::On, "C:\\data\\proj\\sub\\a.txt",
                   "E:\\backup\\data\\proj\\sub\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::On,
                   OnlySubs::Off, "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\proj\\sub\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::On, OnlySubs::On,
                   "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\sub\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\data\\proj", Recurse::On, Relative::On,
                   OnlySubs::Off, "C:\\data\\proj\\sub\\a.txt", "E:\\data\\proj\\sub\\a.txt"},
        TargetCase{windows, "C:\\data\\proj", "E:\\data\\proj", Recurse::On, Relative::On,
                   OnlySubs::On, "C:\\data\\proj\\sub\\a.txt", "E:\\data\\proj\\sub\\a.txt"}));

INSTANTIATE_TEST_SUITE_P(
    FoldersAndRoots, TargetFile,
    testing::Values(
        // Trailing separators on the pane folders change nothing.
        TargetCase{windows, "C:\\data\\proj\\", "E:\\backup\\", Recurse::On, Relative::On,
                   OnlySubs::Off, "C:\\data\\proj\\sub\\a.txt", "E:\\backup\\proj\\sub\\a.txt"},
        TargetCase{posix, "/data/proj/", "/backup/", Recurse::On, Relative::On, OnlySubs::Off,
                   "/data/proj/sub/a.txt", "/backup/proj/sub/a.txt"},
        // The same name at another length is not the same-name rule.
        TargetCase{windows, "C:\\data\\proj", "E:\\backup\\proj", Recurse::On, Relative::On,
                   OnlySubs::Off, "C:\\data\\proj\\a.txt", "E:\\backup\\proj\\proj\\a.txt"},
        // A destination shorter than the source folder's parent.
        TargetCase{windows, "C:\\data\\projects\\web", "E:\\", Recurse::On, Relative::On,
                   OnlySubs::Off, "C:\\data\\projects\\web\\a.txt", "E:\\web\\a.txt"},
        TargetCase{posix, "/data/projects/web", "/", Recurse::On, Relative::On, OnlySubs::Off,
                   "/data/projects/web/a.txt", "/web/a.txt"},
        // A root as source: the whole path below it, in every form.
        TargetCase{windows, "C:\\", "E:\\backup", Recurse::On, Relative::On, OnlySubs::Off,
                   "C:\\sub\\a.txt", "E:\\backup\\sub\\a.txt"},
        TargetCase{windows, "C:\\", "E:\\backup", Recurse::On, Relative::Off, OnlySubs::Off,
                   "C:\\sub\\a.txt", "E:\\backup\\sub\\a.txt"},
        TargetCase{posix, "/", "/backup", Recurse::On, Relative::On, OnlySubs::Off, "/sub/a.txt",
                   "/backup/sub/a.txt"},
        // Folders below the source map like files (folder preparation relies on it).
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::On,
                   OnlySubs::Off, "C:\\data\\proj\\sub\\deeper", "E:\\backup\\proj\\sub\\deeper"},
        TargetCase{posix, "/data/proj", "/backup", Recurse::On, Relative::On, OnlySubs::On,
                   "/data/proj/sub/deeper", "/backup/sub/deeper"},
        TargetCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::On,
                   OnlySubs::Off, "C:\\data\\proj", "E:\\backup\\proj"},
        TargetCase{posix, "/data/proj", "/backup", Recurse::On, Relative::On, OnlySubs::On,
                   "/data/proj", "/backup/"},
        TargetCase{posix, "/data/proj", "/backup", Recurse::On, Relative::Off, OnlySubs::Off,
                   "/data/proj", "/backup/data/proj"}));

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
    Recurse recurse;
    Relative relative;
    OnlySubs onlySubs;
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
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::Off,
                    OnlySubs::Off, "E:\\backup\\data\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\", Recurse::On, Relative::Off, OnlySubs::Off,
                    "E:\\data\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::On,
                    OnlySubs::Off, "E:\\backup\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\data\\proj", Recurse::On, Relative::On,
                    OnlySubs::Off, "E:\\data\\proj"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::On, Relative::On,
                    OnlySubs::On, "E:\\backup"},
        ConfirmCase{windows, "C:\\data\\proj", "E:\\backup", Recurse::Off, Relative::Off,
                    OnlySubs::Off, "E:\\backup"},
        ConfirmCase{windows, "C:\\", "E:\\backup", Recurse::On, Relative::On, OnlySubs::Off, ""},
        ConfirmCase{posix, "/data/proj", "/", Recurse::On, Relative::On, OnlySubs::Off, "/proj"},
        ConfirmCase{posix, "/", "/backup", Recurse::On, Relative::On, OnlySubs::Off, ""}));

} // namespace
} // namespace tidecopy
