#include "widgets/button/StylePainters.h"

#include "widgets/button/ContentPainter.h"
#include "widgets/button/EdgePainter.h"
#include "widgets/button/FacePainter.h"
#include "widgets/button/SystemColors.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>

namespace tidecopy {

namespace {

constexpr ShiftOptions blue{.proportionalBlue = true};
constexpr ColorValue white = 0xFFFFFF;
constexpr ColorValue grey = 0x808080;
constexpr int focusInset = 3;

bool framed(const PaintContext& context) {
    return context.properties.ButtonShape >= 4;
}

QPoint sunkenOffset(const PaintContext& context) {
    return context.sunken() ? QPoint(1, 1) : QPoint();
}

void drawContent(QPainter& painter, const PaintContext& context, ColorValue base,
                 std::optional<ColorValue> disabledColor, QPoint offset) {
    drawPicture(painter, context, offset);
    drawCaption(painter, context, base, disabledColor, offset);
}

// Where the container shows through the outline, it is painted in its own colour.
void fillContainer(QPainter& painter, const PaintContext& context) {
    painter.fillRect(QRect(QPoint(0, 0), context.size), toQColor(context.containerBackColor));
    painter.setClipRegion(context.outline.window, Qt::IntersectClip);
}

// The pixel inside each trimmed corner, so a soft corner joins its two edges.
void joinTrimmedCorners(QPainter& painter, const PaintContext& context, ColorValue color) {
    if (context.properties.ButtonShape != 0)
        return;
    const QPolygon c = insetCorners(context.outline.corners, 1);
    painter.setPen(toQColor(color));
    painter.drawPoints(c);
}

// The classic raised button; sunken while pressed, on or held.
PaintResult paintClassic(QPainter& painter, const PaintContext& context) {
    const ColorValue face = faceColorOf(context, context.colors.shade);
    fillFace(painter, context, face, context.gradientColor, FaceShading::Flat);
    const ColorValue dark = ShiftColor(context.colors.face, -128);
    const ColorValue shadow = ShiftColor(context.colors.face, -64);
    int inset = 0;
    if (context.look.defaultLook)
        drawRing(painter, context, inset++, dark);
    if (context.sunken() && context.mode() == 0) {
        drawRing(painter, context, inset, shadow);
    } else if (context.sunken()) {
        drawBevel(painter, context, inset, {shadow, shadow, white, white});
        drawBevel(painter, context, inset + 1,
                  {dark, dark, context.colors.light, context.colors.light});
    } else {
        drawBevel(painter, context, inset,
                  {context.colors.light, context.colors.light, dark, dark});
        drawBevel(painter, context, inset + 1, {white, white, shadow, shadow});
    }
    drawContent(painter, context, face, std::nullopt, sunkenOffset(context));
    return {framed(context), dark};
}

// A flat face in a thin frame.
PaintResult paintThinFrame(QPainter& painter, const PaintContext& context) {
    const ColorValue face = faceColorOf(context, ShiftColor(context.colors.face, -16));
    fillFace(painter, context, face, context.gradientColor, FaceShading::Flat);
    const ColorValue border = context.look.hot() ? ShiftColor(context.colors.hoverFace, -128)
                                                 : ShiftColor(context.colors.face, -96);
    drawRing(painter, context, 0, border);
    const int inner = context.look.defaultLook ? 2 : 1;
    if (context.look.defaultLook)
        drawRing(painter, context, 1, border);
    if (context.sunken()) {
        const ColorValue shadow = ShiftColor(context.colors.face, -40);
        drawEdge(painter, context, inner, 0, shadow);
        drawEdge(painter, context, inner, 3, shadow);
    }
    drawContent(painter, context, face, std::nullopt, sunkenOffset(context));
    return {framed(context), border};
}

// Shaded rows in a border of eight edge colours that turn blue for the default button
// and amber under the pointer.
PaintResult paintShaded(QPainter& painter, const PaintContext& context) {
    const ColorValue face = faceColorOf(context, context.colors.shade);
    const FaceShading shading =
        context.look.enabled || context.mode() != 0 ? FaceShading::Rows : FaceShading::Flat;
    fillFace(painter, context, face, ShiftColor(context.gradientColor, 48, blue), shading);
    const ColorValue border = style2BorderColor(face);
    if (context.look.enabled) {
        const std::array<ColorValue, 8> e = style2EdgeColors(style2EdgeState(context), face);
        drawBevel(painter, context, 1, {e[5], e[4], e[7], e[6]});
        drawBevel(painter, context, 2, {e[1], e[0], e[3], e[2]});
    }
    drawRing(painter, context, 0, border);
    joinTrimmedCorners(painter, context, border);
    drawContent(painter, context, face, ShiftColor(face, -80, blue), QPoint());
    return {framed(context), border};
}

// A soft grey frame with a white inner edge; single corner pixels show the container.
PaintResult paintSoft(QPainter& painter, const PaintContext& context) {
    fillContainer(painter, context);
    const ColorValue face = faceColorOf(context, context.colors.face);
    fillFace(painter, context, face, context.gradientColor, FaceShading::Flat);
    const ColorValue shade = context.colors.shade;
    if (context.sunken())
        drawBevel(painter, context, 1, {shade, shade, face, face});
    else
        drawBevel(painter, context, 1, {white, white, context.colors.light, context.colors.light});
    const bool strong = context.look.hot() || context.look.defaultLook;
    drawRing(painter, context, 0, strong ? ShiftColor(shade, -48) : shade);
    drawContent(painter, context, face, std::nullopt, sunkenOffset(context));
    return {framed(context), shade};
}

// An etched frame with trimmed corners that show the container.
PaintResult paintEtched(QPainter& painter, const PaintContext& context) {
    fillContainer(painter, context);
    const ColorValue face = faceColorOf(context, ShiftColor(context.colors.face, -24));
    fillFace(painter, context, face, context.gradientColor, FaceShading::Flat);
    const ColorValue outer = ShiftColor(context.colors.face, context.look.hot() ? -128 : -96);
    int inset = 1;
    if (context.look.defaultLook)
        drawRing(painter, context, inset++, ShiftColor(context.colors.face, -48));
    if (!context.sunken())
        drawBevel(painter, context, inset, {white, white, face, face});
    drawRing(painter, context, 0, outer);
    joinTrimmedCorners(painter, context, outer);
    drawContent(painter, context, face, std::nullopt, QPoint());
    return {framed(context), outer};
}

// Flat; a one-pixel edge only while the pointer is over it, sunken while pressed or on.
PaintResult paintFlat(QPainter& painter, const PaintContext& context) {
    // Flat even when disabled: only the caption and picture show it.
    const bool on = context.mode() != 0 && context.properties.Value;
    const ColorValue face =
        on ? context.colors.light
           : (context.look.hot() ? context.colors.hoverFace : context.colors.face);
    painter.fillRect(QRect(QPoint(0, 0), context.size), toQColor(face));
    if (context.look.over && context.look.enabled) {
        if (context.sunken())
            drawBevel(painter, context, 0, {grey, grey, white, white});
        else
            drawBevel(painter, context, 0, {white, white, grey, grey});
    }
    drawContent(painter, context, face, std::nullopt, sunkenOffset(context));
    return {};
}

// A flat face whose frame darkens under the pointer.
PaintResult paintHighlight(QPainter& painter, const PaintContext& context) {
    const ColorValue face = faceColorOf(context, ShiftColor(context.colors.face, -32));
    fillFace(painter, context, face, context.gradientColor, FaceShading::Flat);
    const bool strong = context.look.hot() || context.sunken();
    const ColorValue border = ShiftColor(context.colors.face, strong ? -112 : -48);
    drawRing(painter, context, 0, border);
    if (context.look.defaultLook)
        drawRing(painter, context, 1, border);
    drawContent(painter, context, face, std::nullopt, QPoint());
    return {framed(context), border};
}

// A light face in two tones under a grey frame.
PaintResult paintTwoTone(QPainter& painter, const PaintContext& context) {
    fillContainer(painter, context);
    const ColorValue face = faceColorOf(context, ShiftColor(context.colors.face, -20));
    fillFace(painter, context, face, context.gradientColor, FaceShading::Flat);
    if (!context.gradient() && !context.properties.customShape()) {
        const int half = context.size.height() / 2;
        painter.fillRect(0, half, context.size.width(), context.size.height() - half,
                         toQColor(ShiftColor(face, -12)));
    }
    const ColorValue border =
        context.look.hot() ? ShiftColor(context.colors.shade, -24) : context.colors.shade;
    drawEdge(painter, context, 1, 0, ShiftColor(face, context.sunken() ? -24 : 24));
    if (context.look.defaultLook)
        drawRing(painter, context, 1, context.colors.light);
    drawRing(painter, context, 0, border);
    joinTrimmedCorners(painter, context, border);
    drawContent(painter, context, face, std::nullopt, QPoint());
    return {framed(context), border};
}

using StylePainter = PaintResult (*)(QPainter&, const PaintContext&);
constexpr std::array<StylePainter, 8> painters{paintClassic,   paintThinFrame, paintShaded,
                                               paintSoft,      paintEtched,    paintFlat,
                                               paintHighlight, paintTwoTone};

void frameOutline(QPainter& painter, const PaintContext& context, const PaintResult& result) {
    const ButtonProperties& p = context.properties;
    const ButtonOutline& outline = context.outline;
    const ButtonLook& look = context.look;
    if (p.ButtonShape <= 6) {
        if (p.ButtonStyle == 2 && !look.pressedUnderPointer())
            frameRegion(painter, outline.inner1, result.frameColor);
        else if (p.ButtonShape == 6)
            frameRegion(painter, outline.window, result.frameColor);
        return;
    }
    if (look.hot()) {
        if (p.ButtonStyle == 2)
            frameRegion(painter, outline.window, result.frameColor);
        else if (context.colors.hoverFace != context.colors.face)
            frameRegion(painter, outline.window, context.colors.hoverFace);
    } else if (look.defaultLook) {
        const ColorValue color = p.Value && p.ButtonStyle != 2
                                     ? ShiftColor(context.colors.shade, -32)
                                     : result.frameColor;
        frameRegion(painter, p.ButtonShape == 7 ? outline.inner1 : outline.inner2, color);
    }
}

QRect focusRect(const PaintContext& context) {
    if (context.properties.ButtonShape >= 4) {
        const QSize size = context.size;
        return QRect(QPoint(0, 0), size)
            .adjusted(size.width() / 6, size.height() / 6, -size.width() / 6 - 1,
                      -size.height() / 6 - 1);
    }
    const QPolygon c = insetCorners(context.outline.corners, focusInset);
    return QRect(QPoint(std::max(c[0].x(), c[3].x()), c[0].y()),
                 QPoint(std::min(c[1].x(), c[2].x()), c[3].y()));
}

} // namespace

EdgeState style2EdgeState(const PaintContext& context) {
    const ButtonLook& look = context.look;
    EdgeState state = EdgeState::Normal;
    if (look.pressedUnderPointer())
        state = EdgeState::Pressed;
    else if (context.mode() != 0 && (context.properties.Value || look.mouseHeld))
        state = look.defaultLook ? EdgeState::Default : EdgeState::Pressed;
    else if (look.defaultLook && context.properties.ShowFocusRect)
        state = EdgeState::Default;
    return look.hot() ? EdgeState::Hot : state;
}

void renderButton(QPainter& painter, const RenderInputs& inputs) {
    const ButtonProperties& p = inputs.properties;
    const auto resolve = [&inputs](ColorValue color) {
        return ResolveColor(color, inputs.palette);
    };
    const ResolvedColors colors =
        resolveButtonColors(p.ButtonStyle, resolve(p.BackColor), resolve(p.HoverBackColor));
    const CaptionLayout layout = layoutCaption(p, inputs.size, QFontMetrics(p.Font));
    const PaintContext context{p,
                               inputs.look,
                               colors,
                               inputs.outline,
                               layout,
                               inputs.size,
                               inputs.screen,
                               resolve(p.ForeColor),
                               resolve(p.HoverForeColor),
                               resolve(p.GradientColor),
                               inputs.containerBackColor};
    painter.setFont(p.Font);
    painter.save();
    const PaintResult result =
        painters[static_cast<std::size_t>(p.ButtonStyle & 7)](painter, context);
    painter.restore();
    if (result.frame)
        frameOutline(painter, context, result);
    if (context.look.focused && context.look.enabled && p.ShowFocusRect && !p.customShape())
        drawFocusRect(painter, focusRect(context), context.foreColor);
}

} // namespace tidecopy
