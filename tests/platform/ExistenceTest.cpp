#include "platform/Existence.h"

#include "platform/NativeFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct ExistenceCase {
    const char* relative; // "/" stands for the root itself
    bool fileExists;
    bool fileOrDirExists;
    bool namedFileExists;   // paths a user names: hidden ones count
    bool namedFolderExists; // also what FileOrDirExists takes
};

class Existence : public testing::TestWithParam<ExistenceCase> {
protected:
    void SetUp() override {
        temp.writeFile("file.txt", "x");
        temp.writeFile("fa.txt", "x");
        test::makeHidden(temp.writeFile(".hidden", "x"));
        temp.writeFile("folder/inner.txt", "x");
        test::makeHidden(temp.makeFolder(".hiddenfolder"));
        test::makeSystemEntry(temp / "pipe");
        links = test::makeSymlink("file.txt", temp / "link") &&
                test::makeSymlink("missing-target", temp / "dangling");
    }
    bool links = false;
    test::TempFolder temp;
    NativeFileSystem fs;
};

TEST_P(Existence, AnswersLikeTheProduct) {
    const ExistenceCase& c = GetParam();
    const std::string relative = c.relative;
    if (!links && (relative == "link" || relative == "dangling"))
        GTEST_SKIP() << "this system makes no symbolic link for a test";
    const std::string path = relative == "/"    ? PathStyle::native().rootOf(temp.path())
                             : relative.empty() ? relative
                                                : temp / c.relative;
    const PathStyle style = PathStyle::native();
    EXPECT_EQ(FileExists(fs, style, path), c.fileExists) << c.relative;
    EXPECT_EQ(FileOrDirExists(fs, style, path), c.fileOrDirExists) << c.relative;
    EXPECT_EQ(NamedFileExists(fs, path), c.namedFileExists) << c.relative;
    EXPECT_EQ(NamedFolderExists(fs, style, path), c.namedFolderExists) << c.relative;
}

INSTANTIATE_TEST_SUITE_P(Table, Existence,
                         testing::Values(ExistenceCase{"file.txt", true, true, true, true},
                                         ExistenceCase{"folder", false, true, false, true},
                                         ExistenceCase{"folder/", false, true, false, true},
                                         ExistenceCase{".hidden", false, false, true, false},
                                         ExistenceCase{".hiddenfolder", false, false, false, true},
                                         ExistenceCase{"link", true, true, true, true},
                                         ExistenceCase{"dangling", true, true, true, true},
                                         ExistenceCase{"missing", false, false, false, false},
                                         ExistenceCase{"file.txt/x", false, false, false, false},
                                         ExistenceCase{"f?.txt", false, false, false, false},
                                         ExistenceCase{"*", false, false, false, false},
                                         ExistenceCase{"", false, false, false, false},
                                         ExistenceCase{"/", false, true, false, true}));

// Where the systems differ: names differ by case on POSIX only, and a Windows system file is
// still a file a user can name, where a POSIX FIFO is no file at all.
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(ThisSystem, Existence,
                         testing::Values(ExistenceCase{"pipe", false, false, true, false},
                                         ExistenceCase{"FILE.TXT", true, true, true, true}));
#else
INSTANTIATE_TEST_SUITE_P(ThisSystem, Existence,
                         testing::Values(ExistenceCase{"pipe", false, false, false, false},
                                         ExistenceCase{"FILE.TXT", false, false, false, false}));
#endif

TEST(ExistenceErrors, AnyErrorAnswersFalse) {
    test::TempFolder temp;
    temp.writeFile("file.txt", "x");
    test::FaultyFileSystem fs;
    fs.failOn(test::FsOperation::EntryInfo, "file.txt", std::make_error_code(std::errc::io_error));
    EXPECT_FALSE(FileExists(fs, PathStyle::native(), temp / "file.txt"));
    EXPECT_FALSE(FileOrDirExists(fs, PathStyle::native(), temp / "file.txt"));
}

TEST(FileNameOf, TakesTheLastComponentUpTo512Characters) {
    EXPECT_EQ(FileNameOf(PathStyle::windows(), "D:\\b\\r.doc"), "r.doc");
    EXPECT_EQ(FileNameOf(PathStyle::posix(), "/a/" + std::string(600, 'n')).size(), 512u);
}

} // namespace
} // namespace tidecopy
