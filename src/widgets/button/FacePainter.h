#pragma once

#include "widgets/button/PaintContext.h"

class QPainter;

namespace tidecopy {

// The colour of the face: the shade while pressed without a gradient, the light colour
// for a check or option button that is on, the hover face while the pointer is over it,
// a darker face when disabled.
ColorValue faceColorOf(const PaintContext& context, ColorValue pressedFace);

enum class FaceShading { Flat, Rows };

// Fills the whole surface: gradient bands from `face` to `gradientEnd` when a gradient is
// on, else one colour, or rows growing 25 levels darker towards the bottom.
void fillFace(QPainter& painter, const PaintContext& context, ColorValue face,
              ColorValue gradientEnd, FaceShading shading);

} // namespace tidecopy
