#pragma once

#include <cstdint>
#include <vector>

namespace tidecopy {

// A colour as the button's properties keep it: 0x00BBGGRR for an RGB colour, or
// 0x800000nn for system colour nn, resolved only when drawing.
using ColorValue = std::uint32_t;

constexpr ColorValue systemColorFlag = 0x80000000u;
constexpr ColorValue ButtonFaceColor = 0x8000000Fu; // system colour 15
constexpr ColorValue ButtonTextColor = 0x80000012u; // system colour 18

constexpr bool isSystemColor(ColorValue color) {
    return (color & systemColorFlag) != 0;
}
constexpr ColorValue rgbValue(int red, int green, int blue) {
    return static_cast<ColorValue>(red) | static_cast<ColorValue>(green) << 8 |
           static_cast<ColorValue>(blue) << 16;
}

struct ShiftOptions {
    bool proportionalBlue = false; // blue moves by amount × blue / 192
    bool avoidExtremes = false;    // a result of pure black or white shifts the other way
    bool invert = false;           // each channel becomes 255 − channel
};

// Lightens (amount > 0) or darkens an RGB colour. Green and blue are read back through
// the divisors 255 and 65280, so they come out slightly above their stored values: every
// derived colour of the button's looks depends on that.
ColorValue ShiftColor(ColorValue rgb, int amount, ShiftOptions options = {});

// `steps` colours from `from` to `to` (both included), channels read as ShiftColor reads
// them and moved in equal steps.
std::vector<ColorValue> gradientColors(ColorValue from, ColorValue to, int steps);

} // namespace tidecopy
