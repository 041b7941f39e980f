#pragma once

#include "widgets/button/ButtonColors.h"
#include "widgets/button/ButtonProperties.h"
#include "widgets/button/ButtonShapes.h"
#include "widgets/button/CaptionLayout.h"

#include <QSize>

namespace tidecopy {

// The state flags a look is drawn from.
struct ButtonLook {
    bool enabled = true;
    bool focused = false;
    bool defaultLook = false;  // drawn as the window's default button
    bool over = false;         // the pointer is over the button
    bool pressed = false;      // by the left mouse button or Space
    bool pressedByKey = false; // Space: pressed wherever the pointer is
    bool mouseHeld = false;

    bool pressedUnderPointer() const { return pressed && (over || pressedByKey); }
    bool hot() const { return over && !pressed; }
};

// Everything a painter reads; colours are resolved to RGB.
struct PaintContext {
    const ButtonProperties& properties;
    const ButtonLook& look;
    const ResolvedColors& colors;
    const ButtonOutline& outline;
    const CaptionLayout& layout;
    QSize size;
    QSize screen;         // decides the width of gradient bands
    ColorValue foreColor; // ForeColor
    ColorValue hoverForeColor;
    ColorValue gradientColor;
    ColorValue containerBackColor;

    int mode() const { return properties.Mode; }
    bool gradient() const { return properties.GradientMode != 0; }
    // Sunken: pressed under the pointer, or a check or option button that is on or held.
    bool sunken() const {
        return look.pressedUnderPointer() || (mode() != 0 && (properties.Value || look.mouseHeld));
    }
    ColorValue textColor() const { return look.hot() ? hoverForeColor : foreColor; }
};

// What a painter reports: whether the outline of a rounded or custom shape is to be
// framed afterwards, and in which colour.
struct PaintResult {
    bool frame = false;
    ColorValue frameColor = 0;
};

} // namespace tidecopy
