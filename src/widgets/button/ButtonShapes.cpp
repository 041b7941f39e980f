#include "widgets/button/ButtonShapes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace tidecopy {

namespace {

enum class CornerTrim { None, Pixel, Triangle };

// The looks whose rectangle has soft corners.
CornerTrim cornerTrimOf(int style) {
    switch (style) {
    case 2:
    case 4:
    case 7:
        return CornerTrim::Triangle;
    case 3:
        return CornerTrim::Pixel;
    default:
        return CornerTrim::None;
    }
}

QRegion trimmedRectangle(QSize size, CornerTrim trim) {
    const int w = size.width();
    const int h = size.height();
    QRegion region(0, 0, w, h);
    if (trim == CornerTrim::None)
        return region;
    // Each corner loses its own pixel, and for a triangle its two neighbours on the edges.
    const std::array<QPoint, 4> corners{QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1),
                                        QPoint(0, h - 1)};
    const std::array<QPoint, 4> inwards{QPoint(1, 1), QPoint(-1, 1), QPoint(-1, -1), QPoint(1, -1)};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const QPoint c = corners[i];
        region -= QRegion(c.x(), c.y(), 1, 1);
        if (trim == CornerTrim::Triangle) {
            region -= QRegion(c.x() + inwards[i].x(), c.y(), 1, 1);
            region -= QRegion(c.x(), c.y() + inwards[i].y(), 1, 1);
        }
    }
    return region;
}

QRegion slantedRegion(int shape, QSize size) {
    const int w = size.width();
    const int h = size.height();
    const int s = slantOf(h);
    QPolygon polygon{QPoint(0, 0), QPoint(0, h + 1), QPoint(w + 1, h + 1), QPoint(w + 1, 0)};
    if (shape == 1 || shape == 3)
        polygon[1] = QPoint(s, h + 1);
    if (shape == 2 || shape == 3)
        polygon[3] = QPoint(w - s + 1, 0);
    return QRegion(polygon, Qt::WindingFill) & QRegion(0, 0, w, h);
}

// First and last pixel of a row of a region.
std::pair<int, int> rowExtent(const QRegion& region, int y) {
    int first = INT_MAX;
    int last = INT_MIN;
    for (const QRect& rect : region) {
        if (rect.top() <= y && rect.bottom() >= y) {
            first = std::min(first, rect.left());
            last = std::max(last, rect.right());
        }
    }
    return {first, last};
}

QPolygon cornersOf(const QRegion& region, QSize size) {
    const auto [topFirst, topLast] = rowExtent(region, 0);
    const auto [bottomFirst, bottomLast] = rowExtent(region, size.height() - 1);
    return QPolygon{QPoint(topFirst, 0), QPoint(topLast, 0), QPoint(bottomLast, size.height() - 1),
                    QPoint(bottomFirst, size.height() - 1)};
}

// The picture without its runs of transparent pixels, each run first grown by `grow`.
QRegion cutOut(const QImage& image, int grow) {
    QRegion region(image.rect());
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width()) {
            if (image.pixel(x, y) != key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && image.pixel(x, y) == key)
                ++x;
            region -= QRect(start, y, x - start, 1).adjusted(-grow, -grow, grow, grow);
        }
    }
    return region;
}

ButtonOutline customOutline(int shape, const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    ButtonOutline outline{cutOut(image, 0), cutOut(image, 1), cutOut(image, 2), {}};
    // The second custom shape frames its edge further in, towards the bottom right.
    if (shape == 8) {
        outline.inner1.translate(1, 1);
        outline.inner2.translate(2, 2);
    }
    return outline;
}

} // namespace

int slantOf(int height) {
    return height + 1;
}

int widthForShape(int shape, QSize size) {
    int width = size.width();
    if (shape < 1 || shape > 3)
        return width;
    while (width - slantOf(size.height()) < 5)
        width += 5;
    return width;
}

ButtonOutline buildOutline(int shape, int style, QSize size, const QImage& picture) {
    if (size.isEmpty())
        return {};
    if (shape >= 7 && !picture.isNull())
        return customOutline(shape, picture);
    const QRect rect(QPoint(0, 0), size);
    if (shape >= 4 && shape <= 6) {
        return {QRegion(rect, QRegion::Ellipse),
                QRegion(rect.adjusted(1, 1, -1, -1), QRegion::Ellipse),
                QRegion(rect.adjusted(2, 2, -2, -2), QRegion::Ellipse),
                {}};
    }
    if (shape >= 1 && shape <= 3) {
        const QRegion region = slantedRegion(shape, size);
        return {region, {}, {}, cornersOf(region, size)};
    }
    return {trimmedRectangle(size, cornerTrimOf(style)), {}, {}, cornersOf(QRegion(rect), size)};
}

QPoint customClickOffset(int direction) {
    static constexpr std::array<QPoint, 9> offsets{QPoint(0, 0),   QPoint(0, -1), QPoint(1, -1),
                                                   QPoint(-1, -1), QPoint(1, 1),  QPoint(-1, 1),
                                                   QPoint(1, 0),   QPoint(0, 1),  QPoint(-1, 0)};
    if (direction < 0 || direction > 8)
        return {};
    return offsets[static_cast<std::size_t>(direction)];
}

} // namespace tidecopy
