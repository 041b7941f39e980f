#include "platform/Existence.h"

#include "platform/NativeFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
        temp.writeFile(".hidden", "x");
        temp.writeFile("folder/inner.txt", "x");
        temp.makeFolder(".hiddenfolder");
        ::mkfifo((temp / "pipe").c_str(), 0600);
        ::symlink("file.txt", (temp / "link").c_str());
        ::symlink("missing-target", (temp / "dangling").c_str());
    }
    test::TempFolder temp;
    NativeFileSystem fs;
};

TEST_P(Existence, AnswersLikeTheProduct) {
    const ExistenceCase& c = GetParam();
    const std::string relative = c.relative;
    const std::string path = relative.empty() || relative == "/" ? relative : temp / c.relative;
    const PathStyle posix = PathStyle::posix();
    EXPECT_EQ(FileExists(fs, posix, path), c.fileExists) << c.relative;
    EXPECT_EQ(FileOrDirExists(fs, posix, path), c.fileOrDirExists) << c.relative;
    EXPECT_EQ(NamedFileExists(fs, path), c.namedFileExists) << c.relative;
    EXPECT_EQ(NamedFolderExists(fs, posix, path), c.namedFolderExists) << c.relative;
}

INSTANTIATE_TEST_SUITE_P(Table, Existence,
                         testing::Values(ExistenceCase{"file.txt", true, true, true, true},
                                         ExistenceCase{"folder", false, true, false, true},
                                         ExistenceCase{"folder/", false, true, false, true},
                                         ExistenceCase{".hidden", false, false, true, false},
                                         ExistenceCase{".hiddenfolder", false, false, false, true},
                                         ExistenceCase{"pipe", false, false, false, false},
                                         ExistenceCase{"link", true, true, true, true},
                                         ExistenceCase{"dangling", true, true, true, true},
                                         ExistenceCase{"missing", false, false, false, false},
                                         ExistenceCase{"file.txt/x", false, false, false, false},
                                         ExistenceCase{"FILE.TXT", false, false, false, false},
                                         ExistenceCase{"f?.txt", false, false, false, false},
                                         ExistenceCase{"*", false, false, false, false},
                                         ExistenceCase{"", false, false, false, false},
                                         ExistenceCase{"/", false, true, false, true}));

TEST(ExistenceErrors, AnyErrorAnswersFalse) {
    test::TempFolder temp;
    temp.writeFile("file.txt", "x");
    test::FaultyFileSystem fs;
    fs.failOn(test::FsOperation::EntryInfo, "file.txt", std::make_error_code(std::errc::io_error));
    EXPECT_FALSE(FileExists(fs, PathStyle::posix(), temp / "file.txt"));
    EXPECT_FALSE(FileOrDirExists(fs, PathStyle::posix(), temp / "file.txt"));
}

TEST(FileNameOf, TakesTheLastComponentUpTo512Characters) {
    EXPECT_EQ(FileNameOf(PathStyle::windows(), "D:\\b\\r.doc"), "r.doc");
    EXPECT_EQ(FileNameOf(PathStyle::posix(), "/a/" + std::string(600, 'n')).size(), 512u);
}

} // namespace
} // namespace tidecopy
