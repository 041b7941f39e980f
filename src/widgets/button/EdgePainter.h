#pragma once

#include "widgets/button/PaintContext.h"

class QPainter;
class QRegion;

namespace tidecopy {

// The colours of one ring of edge lines; a rounded shape draws its top-left half in
// `top` and its bottom-right half in `bottom`.
struct BevelColors {
    ColorValue top;
    ColorValue left;
    ColorValue bottom;
    ColorValue right;
};

// One ring of lines following the outline `inset` pixels in; custom shapes have none.
void drawBevel(QPainter& painter, const PaintContext& context, int inset,
               const BevelColors& colors);
// A ring in one colour.
void drawRing(QPainter& painter, const PaintContext& context, int inset, ColorValue color);
// A single edge line of a shape with corners: 0 top, 1 right, 2 bottom, 3 left.
void drawEdge(QPainter& painter, const PaintContext& context, int inset, int side,
              ColorValue color);

// The pixels of a region along its edge, one wide.
void frameRegion(QPainter& painter, const QRegion& region, ColorValue color);

// A dotted rectangle, every other pixel.
void drawFocusRect(QPainter& painter, const QRect& rect, ColorValue color);

// The corners of a shape with its sides moved `inset` pixels inwards.
QPolygon insetCorners(const QPolygon& corners, int inset);

} // namespace tidecopy
