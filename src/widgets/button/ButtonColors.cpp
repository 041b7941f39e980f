#include "widgets/button/ButtonColors.h"

#include <algorithm>

namespace tidecopy {

namespace {
constexpr ShiftOptions blue{.proportionalBlue = true};
} // namespace

ResolvedColors resolveButtonColors(int style, ColorValue back, ColorValue hoverBack) {
    switch (style) {
    case 2: {
        const ColorValue face = ShiftColor(back, 48, blue);
        return {face, ShiftColor(face, -32, blue), ShiftColor(hoverBack, 48, blue),
                ShiftColor(0xFFFFFF, -32, blue)};
    }
    case 3: {
        const ColorValue shade = ShiftColor(0x808080, 12);
        return {back, shade, hoverBack, ShiftColor(shade, 31)};
    }
    case 7:
        return {ShiftColor(back, 31), ShiftColor(0x808080, -16), ShiftColor(hoverBack, 31),
                ShiftColor(0x808080, 16, blue)};
    default:
        return {back, back, hoverBack, ShiftColor(0xFFFFFF, -32)};
    }
}

std::array<ColorValue, 8> style2EdgeColors(EdgeState state, ColorValue face) {
    const auto shifted = [face](std::array<int, 8> amounts) {
        std::array<ColorValue, 8> colors{};
        std::transform(amounts.begin(), amounts.end(), colors.begin(),
                       [face](int amount) { return ShiftColor(face, amount, blue); });
        return colors;
    };
    switch (state) {
    case EdgeState::Default:
        return {0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C, 0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B};
    case EdgeState::Pressed:
        // Edge 3 while pressed: a shade close to the face, so the sunken right edge stays soft.
        return shifted({-22, -24, -4, 10, -32, -32, 5, 16});
    case EdgeState::Hot:
        return {0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF, 0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7};
    case EdgeState::Normal:
        break;
    }
    return shifted({-10, 10, -24, -32, -5, 16, -36, -48});
}

ColorValue style2BorderColor(ColorValue face) {
    return ShiftColor(face, -84, blue);
}

} // namespace tidecopy
