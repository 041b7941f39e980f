#include "widgets/button/ColorValue.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(ShiftColor, ReadsGreenAndBlueThroughTheirOwnDivisors) {
    struct Row {
        ColorValue color;
        int amount;
        ShiftOptions options;
        ColorValue expected;
    };
    const Row rows[] = {
        // 0x80 in green and blue reads as 128.502 and rounds up.
        {0x808080, 0, {}, 0x818180},
        {0xFFFFFF, 48, {}, 0xFFFFFF},
        {0x000000, -40, {}, 0x000000},
        {0x000000, -40, {.avoidExtremes = true}, 0x282828},
        {0xFFFFFF, 10, {.avoidExtremes = true}, 0xF6F6F5},
        {0x000000, 0, {.avoidExtremes = true}, 0x404040},
        // Blue moves by amount × blue / 192, truncated: 129 − 21.
        {0x808080, -32, {.proportionalBlue = true}, 0x6C6160},
        {0xFF0000, 48, {.proportionalBlue = true}, 0xFF3030},
        {0x102030, 0, {.invert = true}, 0xEFDFCF},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ShiftColor(row.color, row.amount, row.options), row.expected)
            << std::hex << row.color << " by " << std::dec << row.amount;
    }
}

TEST(ShiftColor, GradientRunsFromOneColourToTheOtherInEqualSteps) {
    EXPECT_EQ(gradientColors(0x0000FF, 0xFF0000, 3),
              (std::vector<ColorValue>{0x0000FF, 0x800080, 0xFF0000}));
    EXPECT_EQ(gradientColors(0x123456, 0, 1), (std::vector<ColorValue>{0x123456}));
    EXPECT_TRUE(gradientColors(0, 0xFFFFFF, 0).empty());
}

} // namespace
} // namespace tidecopy
