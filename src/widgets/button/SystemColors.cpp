#include "widgets/button/SystemColors.h"

#include <QPalette>

namespace tidecopy {

QColor toQColor(ColorValue rgb) {
    return QColor(static_cast<int>(rgb & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                  static_cast<int>((rgb >> 16) & 0xFFu));
}

ColorValue colorValueOf(const QColor& color) {
    return rgbValue(color.red(), color.green(), color.blue());
}

namespace {

// The system colour table by index, as far as the palette has a counterpart; the
// captions, borders and desktop of the table have none and read as the window's colours.
QColor systemColor(int index, const QPalette& palette) {
    switch (index) {
    case 5: // window
        return palette.color(QPalette::Base);
    case 13: // highlight
    case 29: // menu highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlight text
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 21: // 3D dark shadow
        return palette.color(QPalette::Shadow);
    case 22: // 3D light
        return palette.color(QPalette::Midlight);
    case 23: // tool tip text
        return palette.color(QPalette::ToolTipText);
    case 24: // tool tip background
        return palette.color(QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return palette.color(QPalette::Link);
    case 7:  // menu text
    case 8:  // window text
    case 9:  // caption text
    case 19: // inactive caption text
        return palette.color(QPalette::WindowText);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace

ColorValue ResolveColor(ColorValue color, const QPalette& palette) {
    if (!isSystemColor(color))
        return color;
    return colorValueOf(systemColor(static_cast<int>(color & 0xFFu), palette));
}

} // namespace tidecopy
