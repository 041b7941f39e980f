#pragma once

#include "widgets/button/ColorValue.h"

#include <array>

namespace tidecopy {

// The colours a style derives from the button's colour properties, all RGB.
struct ResolvedColors {
    ColorValue face;
    ColorValue shade;
    ColorValue hoverFace;
    ColorValue light;
};

// `back` and `hoverBack` are BackColor and HoverBackColor resolved to RGB.
ResolvedColors resolveButtonColors(int style, ColorValue back, ColorValue hoverBack);

// The four looks of style 2's edges.
enum class EdgeState { Normal = 0, Default = 1, Pressed = 2, Hot = 3 };

// Style 2's eight edge colours for a state, around the face colour F.
std::array<ColorValue, 8> style2EdgeColors(EdgeState state, ColorValue face);

// Style 2's outer border; a disabled button shows only this.
ColorValue style2BorderColor(ColorValue face);

} // namespace tidecopy
