#include "platform/NativeFileSystem.h"

#include "platform/PathStyle.h"
#include "platform/TemporaryName.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tidecopy {
namespace {

class NativeFileSystemTest : public testing::Test {
protected:
    bool onlyTheseEntries(std::set<std::string> expected) {
        std::set<std::string> actual;
        for (const auto& entry : std::filesystem::directory_iterator(temp.path()))
            actual.insert(
                temp.relative(reinterpret_cast<const char*>(entry.path().u8string().c_str())));
        return actual == expected;
    }
    test::TempFolder temp;
    NativeFileSystem fs;
};

TEST_F(NativeFileSystemTest, EntryInfoDoesNotFollowLinksAndKeepsNanosecondsAndAttributes) {
    // Windows keeps times in steps of 100 ns.
    const std::int64_t modified = 1'700'000'000'123'456'700;
    const std::string file = temp.writeFile(".dot", std::string(5000, 'x'));
    test::setModifiedNs(file, modified);
    test::makeReadOnly(file);
    test::makeHidden(file);

    auto info = fs.entryInfo(file);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->type, EntryType::File);
    EXPECT_EQ(info->size, 5000u);
    EXPECT_EQ(info->modifiedNs, modified);
    EXPECT_EQ(info->attributes,
              FileAttribute::Archive | FileAttribute::ReadOnly | FileAttribute::Hidden);
    if (test::makeSymlink(".dot", temp / "l")) {
        EXPECT_EQ(fs.entryInfo(temp / "l")->type, EntryType::Symlink);
    }
    EXPECT_EQ(fs.entryInfo(temp / "missing").error(), std::errc::no_such_file_or_directory);
}

// An atomic write replaces the whole file or, when the final rename fails after the data
// was written (a folder in the way), leaves the old entry; neither leaves a temporary. A
// new file refuses one that exists.
TEST_F(NativeFileSystemTest, AtomicWritesAndNewFilesReplaceWholeOrNothing) {
    temp.writeFile("settings", "old contents that are longer");
    EXPECT_FALSE(fs.writeWholeFileAtomically(temp / "settings", "new"));
    EXPECT_EQ(temp.readFile("settings"), "new");
    temp.makeFolder("target/inside");
    EXPECT_TRUE(fs.writeWholeFileAtomically(temp / "target", "new"));
    EXPECT_TRUE(std::filesystem::is_directory(temp / "target/inside"));
    EXPECT_FALSE(fs.createNewFile(temp / "probe", "x"));
    EXPECT_EQ(fs.createNewFile(temp / "probe", "y"), std::errc::file_exists);
    EXPECT_EQ(temp.readFile("probe"), "x");
    EXPECT_TRUE(onlyTheseEntries({"settings", "target", "probe"}));
}

TEST_F(NativeFileSystemTest, ListFolderGivesNamesTypesAndAttributes) {
    temp.writeFile("a", "");
    temp.makeFolder("d");
    test::makeSystemEntry(temp / "p");
    std::vector<FolderEntry> entries;
    ASSERT_FALSE(fs.listFolder(temp.path(), entries));
    std::map<std::string, std::uint32_t> attributes;
    for (const auto& e : entries)
        attributes[e.name] = e.attributes;
    EXPECT_EQ(attributes.size(), 3u);
    EXPECT_EQ(attributes["a"], FileAttribute::Archive);
    EXPECT_EQ(attributes["d"], FileAttribute::Directory);
    EXPECT_EQ(attributes["p"] & FileAttribute::System, FileAttribute::System);
}

// Names are UTF-8 text inside the program whatever the system keeps, and a path may be
// longer than Windows' old limit of 260 characters.
TEST_F(NativeFileSystemTest, NonAsciiNamesAndLongPathsRoundTrip) {
    const std::string name = "r\xC3\xA9sum\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80.txt";
    std::string folder = temp.path();
    for (int level = 0; level < 3; ++level) {
        folder = PathStyle::native().join(folder, std::string(100, char('a' + level)));
        ASSERT_FALSE(fs.createFolder(folder)) << folder.size();
    }
    for (const std::string& path :
         {PathStyle::native().join(temp.path(), name), PathStyle::native().join(folder, name)}) {
        SCOPED_TRACE(path.size());
        ASSERT_FALSE(fs.createNewFile(path, "contents"));
        EXPECT_EQ(fs.readWholeFile(path).value(), "contents");
        EXPECT_EQ(fs.entryInfo(path)->size, 8u);
        EXPECT_FALSE(fs.writeWholeFileAtomically(path, "new"));
        EXPECT_EQ(fs.readWholeFile(path).value(), "new");
        std::vector<FolderEntry> entries;
        ASSERT_FALSE(fs.listFolder(std::string(PathStyle::native().folderPartOf(path)), entries));
        EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                                [&](const FolderEntry& e) { return e.name == name; }));
    }
    EXPECT_GT(PathStyle::native().join(folder, name).size(), 300u);
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
