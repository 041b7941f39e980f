#include "widgets/button/ButtonShapes.h"

#include <QColor>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// Which pixels an outline takes, for a button 60 × 20 (slant 21).
TEST(ButtonShapes, OutlinesTakeTheirShapesPixels) {
    struct Row {
        const char* name;
        int shape;
        int style;
        std::vector<QPoint> inside;
        std::vector<QPoint> outside;
    };
    const Row rows[] = {
        {"plain rectangle", 0, 0, {{0, 0}, {59, 19}}, {}},
        {"soft corners", 0, 2, {{2, 0}, {1, 1}, {57, 18}}, {{0, 0}, {1, 0}, {0, 1}, {59, 19}}},
        {"corner pixels", 0, 3, {{1, 0}, {0, 1}}, {{0, 0}, {59, 0}, {0, 19}, {59, 19}}},
        {"slanted left", 1, 2, {{0, 0}, {11, 10}, {59, 19}, {59, 0}}, {{8, 10}, {0, 19}}},
        {"slanted right", 2, 2, {{0, 19}, {48, 10}, {58, 19}}, {{51, 10}, {59, 0}}},
        {"parallelogram", 3, 2, {{11, 10}, {48, 10}}, {{8, 10}, {51, 10}, {0, 19}, {59, 0}}},
        {"ellipse", 4, 2, {{30, 0}, {30, 10}, {0, 10}}, {{0, 0}, {59, 19}, {3, 2}}},
    };
    for (const Row& row : rows) {
        const ButtonOutline outline = buildOutline(row.shape, row.style, QSize(60, 20));
        for (const QPoint& point : row.inside)
            EXPECT_TRUE(outline.window.contains(point))
                << row.name << " " << point.x() << "," << point.y();
        for (const QPoint& point : row.outside)
            EXPECT_FALSE(outline.window.contains(point))
                << row.name << " " << point.x() << "," << point.y();
    }
    const ButtonOutline rounded = buildOutline(5, 0, QSize(60, 20));
    EXPECT_FALSE(rounded.inner1.contains(QPoint(30, 0)));
    EXPECT_TRUE(rounded.inner1.contains(QPoint(30, 2)));
    EXPECT_FALSE(rounded.inner2.contains(QPoint(30, 1)));
    EXPECT_TRUE(rounded.inner2.contains(QPoint(30, 4)));
}

// A custom shape is its picture without the picture's top-left colour; its frames lie one
// and two pixels further in, shape 8's also one and two pixels further down and right.
TEST(ButtonShapes, CustomShapesAreCutFromTheirPicture) {
    QImage picture(10, 6, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    for (int y = 1; y < 5; ++y)
        for (int x = 3; x < 7; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    const ButtonOutline seven = buildOutline(7, 2, QSize(40, 30), picture);
    EXPECT_EQ(seven.window, QRegion(3, 1, 4, 4));
    EXPECT_EQ(seven.inner1, QRegion(4, 2, 2, 2));
    EXPECT_TRUE(seven.inner2.isEmpty());
    EXPECT_EQ(buildOutline(8, 2, QSize(40, 30), picture).inner1, QRegion(5, 3, 2, 2));
}

TEST(ButtonShapes, SlantedShapesWidenInStepsOfFive) {
    EXPECT_EQ(widthForShape(1, QSize(20, 20)), 30);
    EXPECT_EQ(widthForShape(3, QSize(26, 20)), 26);
    EXPECT_EQ(widthForShape(0, QSize(20, 20)), 20);
    EXPECT_EQ(customClickOffset(4), QPoint(1, 1));
    EXPECT_EQ(customClickOffset(8), QPoint(-1, 0));
    EXPECT_EQ(customClickOffset(9), QPoint(0, 0));
}

} // namespace
} // namespace tidecopy
