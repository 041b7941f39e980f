#include "panes/SplitTheText.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct SplitCase {
    const char* text;
    char delimiter;
    const char* expected;
};

class SplitTheTexts : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTheTexts, BreakIntoTwoLines) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitTheText(c.text, c.delimiter, 40), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitTheTexts,
    testing::Values(
        // 26 characters stay on one line, unchanged.
        SplitCase{"/home/user/projects/abcdef", '/', "/home/user/projects/abcdef"},
        // 27 characters are split, each part followed by the delimiter.
        SplitCase{"/home/user/projects/abcdefg", '/', "/home/user/projects/abcdefg/\r\n"},
        // The first line takes parts while it is shorter than 40 characters (38 here).
        SplitCase{"D:\\Archive\\Photographs\\Summer Holiday\\Raw Images\\Selected", '\\',
                  "D:\\Archive\\Photographs\\Summer Holiday\\Raw Images\\\r\nSelected\\"},
        // More than 92 characters on both lines: "...." and the second line from
        // character 20, at most 40 characters.
        SplitCase{"/folder0_x/folder1_x/folder2_x/folder3_x/folder4_x/folder5_x/folder6_x/"
                  "folder7_x/folder8_x/folder9_x",
                  '/',
                  "/folder0_x/folder1_x/folder2_x/folder3_x/....\r\n"
                  ".../folder6_x/folder7_x/folder8_x/folder9_x"},
        // Exactly 92 characters on both lines are not shortened.
        SplitCase{"/folder0_x/folder1_x/folder2_x/folder3_x/folder4_x/folder5_x/folder6_x/"
                  "folder7_x/folder8_xy",
                  '/',
                  "/folder0_x/folder1_x/folder2_x/folder3_x/\r\n"
                  "folder4_x/folder5_x/folder6_x/folder7_x/folder8_xy/"},
        // Characters, not bytes, are counted: 26 characters with accents stay unchanged.
        SplitCase{"/h\xC3\xA9/\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9/abcdefghijklmnop", '/',
                  "/h\xC3\xA9/\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9/abcdefghijklmnop"}));

} // namespace
} // namespace tidecopy
