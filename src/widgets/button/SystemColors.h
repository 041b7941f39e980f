#pragma once

#include "widgets/button/ColorValue.h"

#include <QColor>

class QPalette;

namespace tidecopy {

// An RGB colour value as the toolkit's colour, and back.
QColor toQColor(ColorValue rgb);
ColorValue colorValueOf(const QColor& color);

// A colour value resolved to RGB: system colours come from the palette (button face is
// its button colour, button text its button text, and so on); RGB values stay as they are.
ColorValue ResolveColor(ColorValue color, const QPalette& palette);

} // namespace tidecopy
