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

TEST(MakeAllFolders, PreparesTheDestinationsTheRunWillUse) {
    TempFolder temp;
    FaultyFileSystem fs;
    const PathStyle posix = PathStyle::posix();
    temp.makeFolder("src/proj/A/deep");
    temp.makeFolder("src/proj/B");
    temp.makeFolder("src/proj/.hidden");
    temp.writeFile("src/proj/file", "x");
    temp.makeFolder("src/empty");
    // The relative form, as the run computes it: the source folder's own name first.
    const auto relativeTo = [&](const std::string& source) {
        const std::size_t parentLength = posix.folderPartOf(source).size();
        return [&temp, parentLength](std::string_view path) {
            return temp / "dst/" + std::string(path.substr(parentLength));
        };
    };

    const auto makeFolder = [&](const std::string& folder) {
        CreateFolderPath(fs, posix, folder);
    };

    MakeAllFolders(fs, posix, temp / "src/proj", relativeTo(temp / "src/proj"), makeFolder);
    EXPECT_TRUE(temp.exists("dst/proj/A"));
    EXPECT_TRUE(temp.exists("dst/proj/B"));
    EXPECT_FALSE(temp.exists("dst/proj/A/deep"));
    EXPECT_FALSE(temp.exists("dst/proj/.hidden"));
    EXPECT_FALSE(temp.exists("dst/proj/file"));

    MakeAllFolders(fs, posix, temp / "src/empty/", relativeTo(temp / "src/empty"), makeFolder);
    EXPECT_TRUE(temp.exists("dst/empty"));
}

} // namespace
} // namespace tidecopy::test
