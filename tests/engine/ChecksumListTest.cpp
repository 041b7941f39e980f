#include "engine/ChecksumList.h"

#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace tidecopy::test {
namespace {

// Names sha256sum escapes, and bytes that are no UTF-8 at all, which it leaves alone.
const std::vector<std::string> awkwardNames = {
    "plain.txt",        "sub/deeper/file",  "new\nline",        "back\\slash",
    "carriage\rreturn", "bad\xff\xfe utf8", "  leading blanks", "*star"};

struct ShellResult {
    int status = -1;
    std::string output;
};

// The real sha256sum in folder: the list must work with the tool users have. Nothing
// outside the test's folder is read or written.
ShellResult sha256sumIn(const std::string& folder, const std::string& arguments) {
    ShellResult result;
    FILE* pipe = ::popen(("cd '" + folder + "' && sha256sum " + arguments + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        result.output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

TEST_F(ChecksumListFiles, Sha256sumChecksTheListWeWrite) {
    temp.writeFile("backup/Tidecopy.sha256", checksumListText(list));
    ShellResult checked = sha256sumIn(temp / "backup", "--check --strict Tidecopy.sha256");
    EXPECT_EQ(checked.status, 0) << checked.output;

    // A flipped byte is what sha256sum reports too.
    temp.writeFile("backup/back\\slash", "bytes of back\\slasH");
    checked = sha256sumIn(temp / "backup", "--check --quiet Tidecopy.sha256");
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.output.find("back\\slash: FAILED"), std::string::npos) << checked.output;
}

TEST_F(ChecksumListFiles, WeReadWhatSha256sumWritesAndWhatWeWrite) {
    std::string names;
    for (const std::string& name : awkwardNames)
        names += " './" + name + "'";
    const ShellResult written = sha256sumIn(temp / "backup", names);
    ASSERT_EQ(written.status, 0) << written.output;
    ParsedChecksumList theirs = parseChecksumList(written.output);
    EXPECT_TRUE(theirs.damagedLines.empty());
    ASSERT_EQ(theirs.entries.size(), list.size());
    for (const auto& [path, entry] : list) {
        ASSERT_TRUE(theirs.entries.contains(path)) << path;
        EXPECT_EQ(theirs.entries[path].digest, entry.digest) << path;
        EXPECT_FALSE(theirs.entries[path].stamp) << path;
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
