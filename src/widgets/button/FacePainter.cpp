#include "widgets/button/FacePainter.h"

#include "widgets/button/SystemColors.h"

#include <QPainter>
#include <cmath>

namespace tidecopy {

namespace {

constexpr ShiftOptions blue{.proportionalBlue = true};
constexpr int rowShadingLevels = 25;

void fillRows(QPainter& painter, const PaintContext& context, ColorValue face) {
    const int height = context.size.height();
    for (int y = 0; y < height; ++y) {
        // In floating point: an integer 25 / height is 0 on any button taller than 25.
        const int amount = -static_cast<int>(std::lround(double(rowShadingLevels) * y / height));
        painter.fillRect(0, y, context.size.width(), 1, toQColor(ShiftColor(face, amount, blue)));
    }
}

void fillBands(QPainter& painter, const PaintContext& context, ColorValue from, ColorValue to) {
    const int mode = context.properties.GradientMode;
    const bool across = mode == 1 || mode == 2;
    const int extent = across ? context.size.width() : context.size.height();
    const int screenExtent = across ? context.screen.width() : context.screen.height();
    // A button larger than a quarter of the screen gets bands twice as wide.
    const int band = extent > 0 && screenExtent / extent < 4 ? 2 : 1;
    const int steps = (extent + band - 1) / band;
    // Modes 2 and 4 paint the same bands in reverse order.
    const bool reversed = mode == 2 || mode == 4;
    const std::vector<ColorValue> colors = gradientColors(from, to, steps);
    for (int i = 0; i < steps; ++i) {
        const QColor color =
            toQColor(colors[static_cast<std::size_t>(reversed ? steps - 1 - i : i)]);
        if (across)
            painter.fillRect(i * band, 0, band, context.size.height(), color);
        else
            painter.fillRect(0, i * band, context.size.width(), band, color);
    }
}

} // namespace

ColorValue faceColorOf(const PaintContext& context, ColorValue pressedFace) {
    const ResolvedColors& colors = context.colors;
    if (!context.look.enabled)
        return ShiftColor(colors.face, -24, blue);
    if (context.mode() != 0 && context.properties.Value)
        return colors.light;
    if (context.mode() == 0 && context.look.pressedUnderPointer() && !context.gradient())
        return pressedFace;
    // With a gradient the hover face replaces the bands instead (fillFace).
    if (context.look.hot() && !context.gradient())
        return colors.hoverFace;
    return colors.face;
}

void fillFace(QPainter& painter, const PaintContext& context, ColorValue face,
              ColorValue gradientEnd, FaceShading shading) {
    const ButtonProperties& p = context.properties;
    const bool gradient = context.gradient() && !p.customShape() && !(p.Mode != 0 && p.Value);
    if (gradient) {
        if (context.look.hot() && context.colors.hoverFace != gradientEnd)
            painter.fillRect(QRect(QPoint(0, 0), context.size), toQColor(context.colors.hoverFace));
        else
            fillBands(painter, context, face, gradientEnd);
    } else if (shading == FaceShading::Rows) {
        fillRows(painter, context, face);
    } else {
        painter.fillRect(QRect(QPoint(0, 0), context.size), toQColor(face));
    }
}

} // namespace tidecopy
