#pragma once

#include "widgets/button/PaintContext.h"

class QPainter;
class QPalette;

namespace tidecopy {

struct RenderInputs {
    const ButtonProperties& properties;
    const ButtonLook& look;
    const ButtonOutline& outline;
    const QPalette& palette; // resolves system colours
    ColorValue containerBackColor;
    QSize size;
    QSize screen;
};

// Draws the whole button for its style: the style's painter (face, picture, caption,
// edges), then the frame of a rounded or custom outline and the focus rectangle.
void renderButton(QPainter& painter, const RenderInputs& inputs);

// Style 2's edge look: pressed, default, normal, or hot while the pointer is over it.
EdgeState style2EdgeState(const PaintContext& context);

} // namespace tidecopy
