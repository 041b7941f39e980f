#include "panes/DirSizeText.h"

#include "platform/NativeFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct DirSizeCase {
    std::uint64_t bytes;
    const char* separator;
    const char* text;
};

class DirSizeTexts : public testing::TestWithParam<DirSizeCase> {};

TEST_P(DirSizeTexts, FollowTheUnitsOfTheFreeSpaceText) {
    const DirSizeCase& c = GetParam();
    EXPECT_EQ(dirSizeText(c.bytes, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DirSizeTexts,
    testing::Values(DirSizeCase{0, ",", "0Mb"}, DirSizeCase{1'499'999, ",", "1Mb"},
                    // Halves go to the even neighbour.
                    DirSizeCase{1'500'000, ",", "2Mb"}, DirSizeCase{2'500'000, ",", "2Mb"},
                    DirSizeCase{999'999'999, ",", "1,000Mb"},
                    // Below a million kilobytes of 1024 bytes the unit stays Mb.
                    DirSizeCase{1'023'999'000, ",", "1,024Mb"},
                    DirSizeCase{1'023'999'000, ".", "1.024Mb"},
                    DirSizeCase{1'024'000'000, ",", "1Gb"},
                    DirSizeCase{5'000'000'000'000, ",", "5,000Gb"},
                    DirSizeCase{1'234'567'000'000'000, " ", "1 234 567Gb"}));

TEST(GetDirSize, CountsFilesOfTheFolderItselfHiddenOnesIncluded) {
    test::TempFolder temp;
    temp.writeFile("a/one.bin", std::string(1'000'000, 'x'));
    temp.writeFile("a/.hidden", std::string(600'000, 'x'));
    temp.writeFile("a/sub/big.bin", std::string(3'000'000, 'x'));
    NativeFileSystem fs;
    EXPECT_EQ(GetDirSize(fs, PathStyle::native(), temp / "a", ","), "2Mb");
    EXPECT_EQ(GetDirSize(fs, PathStyle::native(), temp / "a/", ","), "2Mb");
    EXPECT_EQ(GetDirSize(fs, PathStyle::native(), temp / "missing", ","), "0Mb");
}

} // namespace
} // namespace tidecopy
