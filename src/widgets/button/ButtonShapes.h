#pragma once

#include <QImage>
#include <QPolygon>
#include <QRegion>
#include <QSize>

namespace tidecopy {

// The outline of a button: the region that takes its clicks and shows it, and what the
// painters follow.
struct ButtonOutline {
    QRegion window;
    // Rounded and custom shapes: the outline shrunk by 1 and by 2 pixels, to frame the edge.
    QRegion inner1;
    QRegion inner2;
    // Shapes 0 to 3: the corner pixels, top-left, top-right, bottom-right, bottom-left.
    QPolygon corners;
};

// The horizontal run of the slanted sides of shapes 1 to 3: 45 degrees over the height.
int slantOf(int height);

// The width a slanted shape needs: at least 5 pixels beside its slant, widened in steps
// of 5.
int widthForShape(int shape, QSize size);

// The outline for a shape (0..8) in a style; custom shapes (7, 8) are cut from the
// picture at its own size, its top-left pixel being the transparent colour.
ButtonOutline buildOutline(int shape, int style, QSize size, const QImage& picture = {});

// Where a pressed custom shape moves, for CustomClick 1..8; (0, 0) for anything else.
QPoint customClickOffset(int direction);

} // namespace tidecopy
