#include "engine/ChecksumList.h"

#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tidecopy::test {
namespace {

// Names sha256sum escapes, and bytes that are no UTF-8 at all, which it leaves alone.
const std::vector<std::string> awkwardNames = {
    "plain.txt",        "sub/deeper/file",  "new\nline",        "back\\slash",
    "carriage\rreturn", "bad\xff\xfe utf8", "  leading blanks", "*star"};

// What GNU sha256sum 9.1 printed for the files of awkwardNames (each holding "bytes of "
// and its name), recorded once: a list works with the tool users have when its lines are
// the tool's own.
const std::string sha256sumOutput =
    "42789d229ba23efcac0fd1d8aa8973099de6195c7ced538b2eb65be2329dda3c    leading blanks\n"
    "3f24d896a1926ee1ea1c5751fcbcb8733035fefcd67cdceb1c115128ff952186  *star\n"
    "\\11ed79a760a9c9c5a1f637255ac36bb6ccb46ad7abad5a0bd35f1d8c26dba801  back\\\\slash\n"
    "942accb1d6a45010d7d729b31441da7779a1b2ff776121c0a11cab38acc31d48  bad\xff\xfe utf8\n"
    "\\5eade225477583f886b95a763f369aa9c5ee1b29bbca8bd6e85d303d3e34972d  carriage\\rreturn\n"
    "\\3ae2d163af2b8d81d445df24187d7f6bc43290c96f9c46d3fd17b8e3d76e7763  new\\nline\n"
    "d62caece0cafe43dbaba2c807760f265960706a732932c1573b6e983b714e084  plain.txt\n"
    "bcd7f93a3fe62ee92e55bcf32506762f35150a47e885862dd127f6e4517774a1  sub/deeper/file\n";

// The same lines as sha256sum prints them for names given as ./name.
std::string withDotSlash(const std::string& lines) {
    std::string result;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);)
        result += line.insert(line.find("  ") + 2, "./") + "\n";
    return result;
}

class ChecksumListFiles : public testing::Test {
protected:
    ChecksumListFiles() {
        for (const std::string& name : awkwardNames) {
            temp.writeFile("backup/" + name, "bytes of " + name);
            const auto digest = digestOfFile(fs, temp / ("backup/" + name), {});
            EXPECT_TRUE(digest) << name;
            list[name] = {*digest, FileStamp{42, -1'500'000'000}};
        }
    }

    TempFolder temp;
    FaultyFileSystem fs;
    ChecksumList list;
};

// Stamps are comment lines to sha256sum; every other line of ours is one it writes itself.
TEST_F(ChecksumListFiles, OurLinesAreTheOnesSha256sumWrites) {
    std::string lines;
    std::istringstream in(checksumListText(list));
    for (std::string line; std::getline(in, line);)
        if (!line.starts_with('#'))
            lines += line + "\n";
    EXPECT_EQ(lines, sha256sumOutput);
}

TEST_F(ChecksumListFiles, WeReadWhatSha256sumWritesAndWhatWeWrite) {
    for (const std::string& written : {sha256sumOutput, withDotSlash(sha256sumOutput)}) {
        ParsedChecksumList theirs = parseChecksumList(written);
        EXPECT_TRUE(theirs.damagedLines.empty());
        ASSERT_EQ(theirs.entries.size(), list.size());
        for (const auto& [path, entry] : list) {
            ASSERT_TRUE(theirs.entries.contains(path)) << path;
            EXPECT_EQ(theirs.entries[path].digest, entry.digest) << path;
            EXPECT_FALSE(theirs.entries[path].stamp) << path;
        }
    }

    const ParsedChecksumList ours = parseChecksumList(checksumListText(list));
    EXPECT_TRUE(ours.damagedLines.empty());
    EXPECT_EQ(ours.entries, list);
}

TEST(ChecksumListText, DamagedLinesAreNamedAndTheRestIsRead) {
    const std::string hash(64, 'a');
    const std::string text = "# a comment\n" +                         // 1
                             hash + "  good\r\n" +                     // 2, CR LF from an editor
                             hash + "  ../outside\n" +                 // 3
                             hash + "  /absolute\n" +                  // 4
                             hash + "  good\n" +                       // 5, listed twice
                             hash.substr(1) + "g  badhex\n" +          // 6
                             "#: 12 x\n" +                             // 7
                             "\\" + hash + "  bad\\escape\n" +         // 8
                             hash + " onlyoneblank\n" +                // 9
                             "\n" +                                    // 10
                             "#: 5 -7\n" + hash + "  ./sub/stamped\n"; // 11, 12
    const ParsedChecksumList parsed = parseChecksumList(text);
    EXPECT_EQ(parsed.damagedLines, (std::vector<std::size_t>{3, 4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(parsed.entries.size(), 2u);
    EXPECT_FALSE(parsed.entries.at("good").stamp);
    EXPECT_EQ(parsed.entries.at("sub/stamped").stamp, (FileStamp{5, -7}));
}

TEST(ChecksumListText, PathsBelowTheDestinationInBothStyles) {
    const PathStyle windows = PathStyle::windows();
    EXPECT_EQ(listPathOf(windows, "E:\\backup\\", "E:\\backup\\proj\\a.txt"), "proj/a.txt");
    EXPECT_EQ(filePathOf(windows, "E:\\backup\\", "proj/a.txt"), "E:\\backup\\proj\\a.txt");
    const PathStyle posix = PathStyle::posix();
    EXPECT_EQ(listPathOf(posix, "/b/", "/b/proj/a\\b"), "proj/a\\b");
    EXPECT_EQ(filePathOf(posix, "/b/", "proj/a\\b"), "/b/proj/a\\b");
}

TEST(Sha256, KnownDigestsAndHex) {
    Sha256 sha;
    EXPECT_EQ(hexOf(sha.finish()),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    sha.add("a");
    sha.add("bc");
    const Sha256Digest abc = sha.finish();
    EXPECT_EQ(hexOf(abc), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    std::string upper = hexOf(abc);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(digestOfHex(upper), abc);
    for (const std::string& bad : {upper.substr(1), upper + "0", "g" + upper.substr(1)})
        EXPECT_FALSE(digestOfHex(bad)) << bad;
}

} // namespace
} // namespace tidecopy::test
