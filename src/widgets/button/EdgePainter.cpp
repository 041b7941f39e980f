#include "widgets/button/EdgePainter.h"

#include "widgets/button/SystemColors.h"

#include <QPainter>
#include <QRegion>

namespace tidecopy {

namespace {

void line(QPainter& painter, QPoint from, QPoint to, ColorValue color) {
    painter.setPen(toQColor(color));
    painter.drawLine(from, to);
}

// The x of a side from `a` to `b` at height y.
int sideX(QPoint a, QPoint b, int y) {
    if (a.y() == b.y())
        return a.x();
    return a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
}

bool isRounded(const PaintContext& context) {
    const int shape = context.properties.ButtonShape;
    return shape >= 4 && shape <= 6;
}

// The pixels of a region along its edge, one wide.
QRegion edgeOf(const QRegion& region) {
    return region - (region & region.translated(1, 0) & region.translated(-1, 0) &
                     region.translated(0, 1) & region.translated(0, -1));
}

void fill(QPainter& painter, const QRegion& region, ColorValue color) {
    for (const QRect& rect : region)
        painter.fillRect(rect, toQColor(color));
}

} // namespace

QPolygon insetCorners(const QPolygon& c, int inset) {
    if (c.size() != 4)
        return c;
    const int top = c[0].y() + inset;
    const int bottom = c[3].y() - inset;
    return QPolygon{QPoint(sideX(c[0], c[3], top) + inset, top),
                    QPoint(sideX(c[1], c[2], top) - inset, top),
                    QPoint(sideX(c[1], c[2], bottom) - inset, bottom),
                    QPoint(sideX(c[0], c[3], bottom) + inset, bottom)};
}

void drawEdge(QPainter& painter, const PaintContext& context, int inset, int side,
              ColorValue color) {
    const QPolygon c = insetCorners(context.outline.corners, inset);
    if (c.size() != 4)
        return;
    const QPoint ends[4][2] = {{c[0], c[1]}, {c[1], c[2]}, {c[3], c[2]}, {c[0], c[3]}};
    line(painter, ends[side][0], ends[side][1], color);
}

void drawBevel(QPainter& painter, const PaintContext& context, int inset,
               const BevelColors& colors) {
    if (isRounded(context)) {
        // The ring of the ellipse's own pixels, so it meets the outline exactly; the half
        // above the diagonal from bottom-left to top-right is the lit one.
        const QSize size = context.size;
        const QRegion ring = edgeOf(QRegion(
            QRect(QPoint(0, 0), size).adjusted(inset, inset, -inset, -inset), QRegion::Ellipse));
        const QRegion lit(
            QPolygon{QPoint(0, 0), QPoint(size.width(), 0), QPoint(0, size.height())});
        fill(painter, ring - lit, colors.bottom);
        fill(painter, ring & lit, colors.top);
        return;
    }
    // Top and left first: the two far corners belong to the bottom and right edges.
    drawEdge(painter, context, inset, 0, colors.top);
    drawEdge(painter, context, inset, 3, colors.left);
    drawEdge(painter, context, inset, 2, colors.bottom);
    drawEdge(painter, context, inset, 1, colors.right);
}

void drawRing(QPainter& painter, const PaintContext& context, int inset, ColorValue color) {
    drawBevel(painter, context, inset, {color, color, color, color});
}

void frameRegion(QPainter& painter, const QRegion& region, ColorValue color) {
    fill(painter, edgeOf(region), color);
}

void drawFocusRect(QPainter& painter, const QRect& rect, ColorValue color) {
    QPolygon dots;
    const auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots.append(QPoint(x, y));
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
    painter.setPen(toQColor(color));
    painter.drawPoints(dots);
}

} // namespace tidecopy
