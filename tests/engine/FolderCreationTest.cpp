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
    const PathStyle style = PathStyle::native();

#ifndef _WIN32
    // A ":" is an ordinary character in a POSIX name, not a drive.
    EXPECT_FALSE(CreateFolderPath(fs, style, temp / "have/12:30/c"));
    EXPECT_TRUE(temp.exists("have/12:30/c"));
#endif
    EXPECT_FALSE(CreateFolderPath(fs, style, temp / "d//e/"));
    EXPECT_TRUE(temp.exists("d/e"));

    // The levels below then fail as missing; the cause is what counts.
    fs.failOn(FsOperation::CreateFolder, temp / "ro",
              std::make_error_code(std::errc::read_only_file_system));
    EXPECT_EQ(CreateFolderPath(fs, style, temp / "ro/x/y"), std::errc::read_only_file_system);
    temp.writeFile("file", "x");
    // A file in the way: POSIX says so, Windows finds no such folder.
    const std::errc fileInTheWay = style.flavor() == PathStyle::Flavor::Windows
                                       ? std::errc::no_such_file_or_directory
                                       : std::errc::not_a_directory;
    EXPECT_EQ(CreateFolderPath(fs, style, temp / "file/x"), fileInTheWay);
}

} // namespace
} // namespace tidecopy::test
