#include "widgets/button/ColorValue.h"

#include <algorithm>
#include <cmath>

namespace tidecopy {

namespace {

// Rounds halves to even, as the product's arithmetic does (128.5 gives 128).
int roundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

struct Channels {
    double red, green, blue;
};

Channels channelsOf(ColorValue rgb) {
    return {static_cast<double>(rgb & 0xFFu), (rgb & 0xFF00u) / 255.0, (rgb & 0xFF0000u) / 65280.0};
}

ColorValue pack(int red, int green, int blue, bool invert) {
    const auto channel = [invert](int value) {
        value = std::clamp(value, 0, 255);
        return invert ? 255 - value : value;
    };
    return rgbValue(channel(red), channel(green), channel(blue));
}

ColorValue shiftOnce(ColorValue rgb, int amount, const ShiftOptions& options) {
    const Channels in = channelsOf(rgb);
    const int red = static_cast<int>(in.red) + amount;
    const int green = roundEven(in.green + amount);
    int blue = 0;
    if (options.proportionalBlue) {
        const int start = roundEven(in.blue);
        blue = start + amount * start / 192;
    } else {
        blue = roundEven(in.blue + amount);
    }
    return pack(red, green, blue, options.invert);
}

} // namespace

ColorValue ShiftColor(ColorValue rgb, int amount, ShiftOptions options) {
    const ColorValue shifted = shiftOnce(rgb, amount, options);
    if (!options.avoidExtremes || (shifted != 0 && shifted != 0xFFFFFFu))
        return shifted;
    // One retry only: an amount that reaches an extreme both ways would never end.
    return shiftOnce(rgb, amount == 0 ? 64 : -amount, options);
}

std::vector<ColorValue> gradientColors(ColorValue from, ColorValue to, int steps) {
    std::vector<ColorValue> colors;
    if (steps <= 0)
        return colors;
    const Channels a = channelsOf(from);
    const Channels b = channelsOf(to);
    colors.reserve(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const double t = steps == 1 ? 0.0 : static_cast<double>(i) / (steps - 1);
        colors.push_back(pack(roundEven(a.red + (b.red - a.red) * t),
                              roundEven(a.green + (b.green - a.green) * t),
                              roundEven(a.blue + (b.blue - a.blue) * t), false));
    }
    return colors;
}

} // namespace tidecopy
