#include "platform/posix/PosixFileSystem.h"

#include "platform/TemporaryName.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace tidecopy {
namespace {

class PosixFileSystemTest : public testing::Test {
protected:
    bool onlyTheseEntries(std::set<std::string> expected) {
        std::set<std::string> actual;
        for (const auto& entry : std::filesystem::directory_iterator(temp.path()))
            actual.insert(entry.path().filename().string());
        return actual == expected;
    }
    test::TempFolder temp;
    PosixFileSystem fs;
};

TEST_F(PosixFileSystemTest, EntryInfoDoesNotFollowLinksAndKeepsNanosecondsAndAttributes) {
    const std::string file = temp.writeFile(".dot", std::string(5000, 'x'));
    const timespec times[2] = {{1, 0}, {1'700'000'000, 123'456'789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    ::chmod(file.c_str(), 0444);
    ::symlink(".dot", (temp / "l").c_str());

    auto info = fs.entryInfo(file);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->type, EntryType::File);
    EXPECT_EQ(info->size, 5000u);
    EXPECT_EQ(info->modifiedNs, 1'700'000'000'123'456'789);
    EXPECT_EQ(info->attributes,
              FileAttribute::Archive | FileAttribute::ReadOnly | FileAttribute::Hidden);
    EXPECT_EQ(fs.entryInfo(temp / "l")->type, EntryType::Symlink);
    EXPECT_EQ(fs.entryInfo(temp / "missing").error(), std::errc::no_such_file_or_directory);
}

TEST_F(PosixFileSystemTest, AtomicWriteReplacesWholeFile) {
    temp.writeFile("settings", "old contents that are longer");
    EXPECT_FALSE(fs.writeWholeFileAtomically(temp / "settings", "new"));
    EXPECT_EQ(temp.readFile("settings"), "new");
    EXPECT_TRUE(onlyTheseEntries({"settings"}));
}

TEST_F(PosixFileSystemTest, FailedAtomicWriteLeavesOldFileAndNoTemporary) {
    // A folder in the way makes the final rename fail after the data was written.
    temp.makeFolder("target/inside");
    EXPECT_TRUE(fs.writeWholeFileAtomically(temp / "target", "new"));
    EXPECT_TRUE(std::filesystem::is_directory(temp / "target/inside"));
    EXPECT_TRUE(onlyTheseEntries({"target"}));
}

TEST_F(PosixFileSystemTest, CreateNewFileRefusesExisting) {
    EXPECT_FALSE(fs.createNewFile(temp / "probe", "x"));
    EXPECT_EQ(fs.createNewFile(temp / "probe", "y"), std::errc::file_exists);
    EXPECT_EQ(temp.readFile("probe"), "x");
}

TEST_F(PosixFileSystemTest, ListFolderGivesNamesTypesAndAttributes) {
    temp.writeFile("a", "");
    temp.makeFolder("d");
    ::mkfifo((temp / "p").c_str(), 0600);
    std::vector<FolderEntry> entries;
    ASSERT_FALSE(fs.listFolder(temp.path(), entries));
    std::map<std::string, std::uint32_t> attributes;
    for (const auto& e : entries)
        attributes[e.name] = e.attributes;
    EXPECT_EQ(attributes.size(), 3u);
    EXPECT_EQ(attributes["a"], FileAttribute::Archive);
    EXPECT_EQ(attributes["d"], FileAttribute::Directory);
    EXPECT_EQ(attributes["p"], FileAttribute::System);
}

TEST(TemporaryName, IsShortHiddenRecognisableAndFresh) {
    const std::string a = makeTemporaryName();
    const std::string b = makeTemporaryName();
    EXPECT_NE(a, b);
    EXPECT_EQ(a.front(), '.');
    EXPECT_LE(a.size(), 40u);
    EXPECT_TRUE(isTemporaryName(a));
    for (const char* other :
         {".tidecopy-.tmp", "tidecopy-0123456789abcdef.tmp", ".tidecopy-0123456789abcdeg.tmp",
          ".tidecopy-0123456789abcdef.tmp.bak", "report.tmp"})
        EXPECT_FALSE(isTemporaryName(other)) << other;
}

} // namespace
} // namespace tidecopy
