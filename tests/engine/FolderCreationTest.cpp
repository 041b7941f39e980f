#include "engine/FolderCreation.h"

#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

TEST(GetPart, TakesUpToTheFirstDelimiter) {
    struct Case {
        std::string input;
        std::string part;
        std::string rest;
    };
    for (const Case& c : {Case{"C:\\a\\b\\", "C:\\", "a\\b\\"}, Case{"a\\", "a\\", ""},
                          Case{"\\x", "\\", "x"}, Case{"none", "none", ""}}) {
        std::string text = c.input;
        EXPECT_EQ(GetPart(text, '\\'), c.part) << c.input;
        EXPECT_EQ(text, c.rest) << c.input;
    }
}

TEST(ExtractPath, UpToTheLastSeparator) {
    EXPECT_EQ(ExtractPath(PathStyle::windows(), "E:\\backup\\proj\\a.txt"), "E:\\backup\\proj\\");
    EXPECT_EQ(ExtractPath(PathStyle::windows(), "a.txt"), "");
    EXPECT_EQ(ExtractPath(PathStyle::posix(), "/b/x:y/a.txt"), "/b/x:y/");
}

TEST(CreateFolderPath, CreatesEveryMissingLevelAndReportsTheFirstFailure) {
    TempFolder temp;
    FaultyFileSystem fs;
    temp.makeFolder("have");
    const PathStyle posix = PathStyle::posix();

    // A ":" is an ordinary character in a POSIX name, not a drive.
    EXPECT_FALSE(CreateFolderPath(fs, posix, temp / "have/12:30/c"));
    EXPECT_TRUE(temp.exists("have/12:30/c"));
    EXPECT_FALSE(CreateFolderPath(fs, posix, temp / "d//e/"));
    EXPECT_TRUE(temp.exists("d/e"));

    // The levels below then fail as missing; the cause is what counts.
    fs.failOn(FsOperation::CreateFolder, "/ro",
              std::make_error_code(std::errc::read_only_file_system));
    EXPECT_EQ(CreateFolderPath(fs, posix, temp / "ro/x/y"), std::errc::read_only_file_system);
    temp.writeFile("file", "x");
    EXPECT_EQ(CreateFolderPath(fs, posix, temp / "file/x"), std::errc::not_a_directory);
}

} // namespace
} // namespace tidecopy::test
