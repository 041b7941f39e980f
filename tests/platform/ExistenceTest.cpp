#include "platform/Existence.h"

#include "platform/posix/PosixFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tidecopy {
namespace {

struct ExistenceCase {
    const char* relative;
    bool fileExists;
    bool fileOrDirExists;
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
    PosixFileSystem fs;
};

TEST_P(Existence, AnswersLikeTheProduct) {
    const ExistenceCase& c = GetParam();
    const std::string path = c.relative[0] == '\0' ? std::string() : temp / c.relative;
    EXPECT_EQ(FileExists(fs, PathStyle::posix(), path), c.fileExists) << c.relative;
    EXPECT_EQ(FileOrDirExists(fs, PathStyle::posix(), path), c.fileOrDirExists) << c.relative;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Existence,
    testing::Values(ExistenceCase{"file.txt", true, true}, ExistenceCase{"folder", false, true},
                    ExistenceCase{"folder/", false, true}, ExistenceCase{".hidden", false, false},
                    ExistenceCase{".hiddenfolder", false, false},
                    ExistenceCase{"pipe", false, false}, ExistenceCase{"link", true, true},
                    ExistenceCase{"dangling", true, true}, ExistenceCase{"missing", false, false},
                    ExistenceCase{"file.txt/x", false, false},
                    ExistenceCase{"FILE.TXT", false, false}, ExistenceCase{"f?.txt", false, false},
                    ExistenceCase{"*", false, false}, ExistenceCase{"", false, false}));

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
