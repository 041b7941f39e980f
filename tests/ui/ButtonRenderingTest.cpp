#include "ButtonImages.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

constexpr ColorValue containerColor = 0xC8D0D4;
constexpr ShiftOptions blue{.proportionalBlue = true};

QImage render(const ButtonProperties& p, const ButtonLook& look, QSize size) {
    return test::buttonImage(p, look, size, containerColor);
}

ColorValue at(const QImage& image, int x, int y) {
    return colorValueOf(QColor(image.pixel(x, y)));
}

ButtonProperties plain(int style, ColorValue back) {
    ButtonProperties p;
    p.Font = QApplication::font();
    p.setButtonStyle(style);
    p.setBackColor(back);
    return p;
}

// Row y of a style-2 face is 25 × y / height levels darker, in floating point.
TEST(ButtonRendering, StyleTwoShadesItsRowsDownToTwentyFiveLevels) {
    const ButtonProperties p = plain(2, 0x606060);
    const ColorValue face = ShiftColor(0x606060, 48, blue);
    const QImage small = render(p, {}, QSize(60, 25));
    for (int y = 3; y < 22; ++y)
        EXPECT_EQ(at(small, 30, y), ShiftColor(face, -y, blue)) << y;
    const QImage tall = render(p, {}, QSize(60, 50));
    EXPECT_EQ(at(tall, 30, 46), ShiftColor(face, -23, blue)) << "a 50-pixel face shades too";
}

// One pixel each of what the styles fix: style 2's edge colours by state and its border,
// style 5's edge only under the pointer, a checked face, the focus rectangle's dots.
TEST(ButtonRendering, StylesPaintTheirFixedColours) {
    const ColorValue face = ShiftColor(0x606060, 48, blue);
    const ColorValue pressedFace = ShiftColor(face, -32, blue);
    const ColorValue text = colorValueOf(QApplication::palette().color(QPalette::ButtonText));
    const std::function<void(ButtonProperties&)> none = [](auto&) {
    };
    const auto shape = [](int outline) {
        return [outline](ButtonProperties& p) {
            p.setButtonShape(outline);
        };
    };
    const auto checked = [](ButtonProperties& p) {
        p.setMode(1);
        p.setValue(true);
    };
    // A bitmap whose blue rectangle, 2 pixels in, is the outline.
    const auto customShape = [](ButtonProperties& p) {
        QImage picture(61, 25, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        QPainter(&picture).fillRect(2, 2, 57, 21, Qt::blue);
        p.setPicture(QPixmap::fromImage(picture));
        p.setButtonShape(7);
    };
    const ColorValue border = ShiftColor(face, -84, blue);
    const ColorValue light = ShiftColor(0xFFFFFF, -32);
    const ColorValue pressedEdge = ShiftColor(pressedFace, -32, blue);
    const ColorValue checkedEdge = ShiftColor(ShiftColor(0xFFFFFF, -32, blue), 16, blue);
    const ColorValue disabledBorder = ShiftColor(ShiftColor(face, -24, blue), -84, blue);
    const ButtonLook pressed{.over = true, .pressed = true};
    const ButtonLook defaultLook{.defaultLook = true};
    struct Row {
        const char* name;
        int style;
        std::function<void(ButtonProperties&)> set;
        ButtonLook look;
        QPoint at;
        ColorValue expected;
    };
    const Row rows[] = {
        {"style 2 top edge", 2, none, {}, {30, 1}, ShiftColor(face, 16, blue)},
        {"style 2 top edge, default", 2, none, defaultLook, {30, 1}, 0xFFDFBF},
        {"style 2 top edge, hot", 2, none, {.over = true}, {30, 1}, 0xA6E9FF},
        {"style 2 top edge, pressed", 2, none, pressed, {30, 1}, pressedEdge},
        {"style 2 bottom edge, checked", 2, checked, {}, {30, 23}, checkedEdge},
        {"style 2 border", 2, none, {}, {30, 0}, border},
        {"style 2 border, disabled", 2, none, {.enabled = false}, {30, 0}, disabledBorder},
        {"style 2 border along a slanted left side", 2, shape(1), {}, {12, 12}, border},
        {"style 2 border along a slanted right side", 2, shape(2), {}, {47, 12}, border},
        {"style 2 frames a rounded face inside its border", 2, shape(4), {}, {30, 1}, border},
        {"style 2 frames shape 6 inside its border too", 2, shape(6), {}, {30, 1}, border},
        {"default custom shape: outline a pixel in", 2, customShape, defaultLook, {30, 3}, border},
        {"style 5 idle: no edge", 5, none, {}, {0, 0}, 0x606060},
        {"style 5 under the pointer: raised", 5, none, {.over = true}, {0, 0}, 0xFFFFFF},
        {"style 5 pressed: sunken", 5, none, pressed, {0, 0}, 0x808080},
        {"style 5 disabled: no edge", 5, none, {.enabled = false, .over = true}, {0, 0}, 0x606060},
        {"style 5 checked: the light face", 5, checked, {}, {30, 12}, light},
        {"a checked face is flat, gradient or not",
         0,
         [&](auto& p) { p.setGradientMode(1), checked(p); },
         {},
         {30, 12},
         light},
        {"focus dots reach the rectangle's right end", 0, none, {.focused = true}, {57, 3}, text},
    };
    for (const Row& row : rows) {
        ButtonProperties p = plain(row.style, 0x606060);
        row.set(p);
        EXPECT_EQ(at(render(p, row.look, QSize(61, 25)), row.at.x(), row.at.y()), row.expected)
            << row.name;
    }
    // Shape 6 keeps its inner edge ring, inside the frame.
    ButtonProperties p = plain(2, 0x606060);
    shape(6)(p);
    const QRegion inner = buildOutline(6, 2, QSize(61, 25)).inner2;
    int top = 0;
    while (!inner.contains(QPoint(30, top)))
        ++top;
    EXPECT_EQ(at(render(p, {}, QSize(61, 25)), 30, top), ShiftColor(face, 10, blue));
}

TEST(ButtonRendering, GradientModesTwoAndFourPaintOneAndThreeBackwards) {
    for (const int mode : {1, 3}) {
        ButtonProperties p = plain(0, 0x0000FF);
        p.setGradientColor(0xFF8000);
        p.setGradientMode(mode);
        const QImage forwards = render(p, {}, QSize(80, 30));
        p.setGradientMode(mode + 1);
        const QImage backwards = render(p, {}, QSize(80, 30));
        EXPECT_NE(at(forwards, 3, 3), at(forwards, 76, 26)) << mode;
        for (int i = 2; i < (mode == 1 ? 78 : 28); ++i) {
            if (mode == 1)
                ASSERT_EQ(at(forwards, i, 15), at(backwards, 79 - i, 15)) << i;
            else
                ASSERT_EQ(at(forwards, 40, i), at(backwards, 40, 29 - i)) << i;
        }
    }
}

bool contains(const QImage& image, ColorValue color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == color)
                return true;
    return false;
}

// Disabled, a caption is grey over a white copy of itself, embossed or not.
TEST(ButtonRendering, ADisabledEmbossedCaptionIsDrawnDisabled) {
    ButtonProperties p = plain(1, 0xE0E0E0);
    p.setCaption("Embossed");
    p.setCaptionStyle(1);
    const ColorValue emboss = ShiftColor(0xE0E0E0, -40);
    EXPECT_TRUE(contains(render(p, {}, QSize(100, 30)), emboss));
    ButtonLook disabled;
    disabled.enabled = false;
    const QImage image = render(p, disabled, QSize(100, 30));
    EXPECT_FALSE(contains(image, emboss));
    EXPECT_TRUE(contains(image, 0x808080));
    EXPECT_TRUE(contains(image, 0xFFFFFF));
}

// Style 1 has its dark copy on the left, style 2 its light one.
TEST(ButtonRendering, EmbossedCaptionsAreLitFromOppositeSides) {
    const ColorValue dark = ShiftColor(0xE0E0E0, -40);
    const ColorValue light = ShiftColor(0xE0E0E0, 40);
    for (const int style : {1, 2}) {
        ButtonProperties p = plain(1, 0xE0E0E0);
        QFont font = p.Font;
        font.setPointSize(24);
        font.setBold(true);
        p.setFont(font);
        p.setCaption("H");
        p.setCaptionStyle(style);
        const QImage image = render(p, {}, QSize(80, 50));
        ColorValue leftmost = 0;
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = 0; y < image.height(); ++y)
                if (at(image, x, y) == dark || at(image, x, y) == light)
                    leftmost = at(image, x, y);
        EXPECT_EQ(leftmost, style == 1 ? dark : light) << style;
    }
}

TEST(ButtonRendering, CaptionAndPictureShareTheFace) {
    const QFontMetrics metrics(QApplication::font());
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    struct Row {
        const char* name;
        std::function<void(ButtonProperties&)> set;
        std::function<bool(const CaptionLayout&)> holds;
    };
    const Row rows[] = {
        {"\"||\" breaks the line", [](auto& p) { p.setCaption("Copy||Files"); },
         [&](auto& l) {
             return l.caption.height() >= 2 * metrics.height();
         }},
        {"one line without it", [](auto& p) { p.setCaption("Copy Files"); },
         [&](auto& l) {
             return l.caption.height() < 2 * metrics.height();
         }},
        {"a left picture beside a centred caption, both centred",
         [&](auto& p) {
             p.setCaption("Go");
             p.setPicture(QPixmap::fromImage(image));
         },
         [](auto& l) {
             const int leftSpace = l.picture.left() - 4;
             const int rightSpace = 116 - (l.caption.right() + 1);
             return l.picture.right() + 5 == l.caption.left() &&
                    std::abs(leftSpace - rightSpace) <= 1 && l.picture.size() == QSize(16, 16);
         }},
        {"a picture on top puts the caption below it",
         [&](auto& p) {
             p.setCaption("Go");
             p.setPicture(QPixmap::fromImage(image));
             p.setPictureAlign(4);
         },
         [](auto& l) {
             return l.picture.bottom() < l.caption.top() && l.picture.top() == 4;
         }},
        {"a left caption starts 4 pixels in",
         [](auto& p) {
             p.setCaption("Go");
             p.setCaptionAlign(0);
         },
         [](auto& l) {
             return l.caption.left() == 4;
         }},
        {"a picture larger than 32 pixels keeps to its edge, the caption centred",
         [&](auto& p) {
             p.setCaption("Go");
             p.setPicture(QPixmap::fromImage(image));
             p.setPictureSize(3);
             p.setPictureAlign(2);
         },
         [](auto& l) {
             return l.picture.right() == 115 && std::abs(l.caption.center().x() - 60) <= 1;
         }},
        {"a right caption ends 4 pixels in",
         [](auto& p) {
             p.setCaption("Go");
             p.setCaptionAlign(1);
         },
         [](auto& l) {
             return l.caption.right() == 115;
         }},
        {"a slanted left side pushes the caption right",
         [](auto& p) {
             p.setCaption("Go");
             p.setButtonShape(1);
             p.setCaptionAlign(0);
         },
         [](auto& l) {
             return l.caption.left() == 4 + (61 - 61 / 3 + 3);
         }},
    };
    for (const Row& row : rows) {
        ButtonProperties p;
        p.Font = QApplication::font();
        row.set(p);
        EXPECT_TRUE(row.holds(layoutCaption(p, QSize(120, 60), metrics))) << row.name;
    }
    // The size a layout gives a button makes room for a picture beside the caption.
    ButtonProperties p;
    p.Font = QApplication::font();
    p.setCaption("Go");
    const int textOnly = preferredButtonSize(p, metrics).width();
    p.setPicture(QPixmap::fromImage(image));
    EXPECT_EQ(preferredButtonSize(p, metrics).width(), textOnly + 20);
}

// Every style in every shape and look, and single features beside them, in one picture
// for the eye; each look and each feature must show.
TEST(ButtonRendering, GalleryShowsEveryStyleShapeAndLook) {
    struct Look {
        const char* name;
        ButtonLook look;
        bool checked = false;
    };
    const Look looks[] = {{"normal", {}},
                          {"hover", {.over = true}},
                          {"pressed", {.over = true, .pressed = true, .mouseHeld = true}},
                          {"default", {.defaultLook = true}},
                          {"focus", {.focused = true, .defaultLook = true}},
                          {"disabled", {.enabled = false}},
                          {"checked", {}, true}};
    QImage face(88, 26, QImage::Format_RGB32);
    face.fill(Qt::magenta);
    {
        QPainter draw(&face);
        draw.setPen(Qt::NoPen);
        draw.setBrush(QColor(40, 110, 200));
        draw.drawRoundedRect(QRect(2, 1, 84, 24), 12, 12);
    }
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter draw(&icon);
        draw.setBrush(QColor(230, 160, 20));
        draw.drawEllipse(QRect(1, 1, 14, 14));
    }
    // Beside the grid, rows of single features: gradients, captions, pictures, colours.
    struct Feature {
        const char* name;
        std::function<void(ButtonProperties&)> set;
        ButtonLook look = {};
    };
    const auto gradient = [](int style, int mode) {
        return [style, mode](ButtonProperties& p) {
            p.setButtonStyle(style);
            p.setGradientColor(0x00A0E0);
            p.setGradientMode(mode);
        };
    };
    const auto caption = [](const char* text, int style, int align) {
        return [text, style, align](ButtonProperties& p) {
            p.setCaption(text);
            p.setCaptionStyle(style);
            p.setCaptionAlign(align);
        };
    };
    const Feature features[3][7] = {
        {{"0 gradient 1", gradient(0, 1)},
         {"0 gradient 2", gradient(0, 2)},
         {"0 gradient 3", gradient(0, 3)},
         {"0 gradient 4", gradient(0, 4)},
         {"2 gradient 1", gradient(2, 1)},
         {"2 gradient 3", gradient(2, 3)},
         {"2 gradient hover", gradient(2, 3), {.over = true}}},
        {{"embossed 1", caption("&Embossed", 1, 2)},
         {"embossed 2", caption("&Embossed", 2, 2)},
         {"embossed off", caption("&Embossed", 1, 2), {.enabled = false}},
         {"two lines", caption("Two||lines", 0, 2)},
         {"left", caption("&Left", 0, 0)},
         {"right", caption("&Right", 0, 1)},
         {"&& and &", caption("Save && E&xit", 0, 2)}},
        {{"picture right",
          [&](auto& p) {
              p.setPicture(QPixmap::fromImage(icon));
              p.setPictureAlign(2);
          }},
         {"picture only",
          [&](auto& p) {
              p.setCaption(""), p.setPicture(QPixmap::fromImage(icon));
          }},
         {"5 picture hover",
          [&](auto& p) {
              p.setButtonStyle(5);
              p.setCaption("");
              p.setPicture(QPixmap::fromImage(icon));
          },
          {.over = true}},
         {"hover colours",
          [](auto& p) {
              p.setHoverBackColor(0x80C0FF);
              p.setHoverForeColor(0x800000);
          },
          {.over = true}},
         {"2 hover colours",
          [](auto& p) {
              p.setButtonStyle(2);
              p.setHoverBackColor(0x80C0FF);
          },
          {.over = true}},
         {"text colour",
          [](auto& p) {
              p.setForeColor(0xC00000);
          }},
         {"2 back colour", [](auto& p) {
              p.setButtonStyle(2);
              p.setBackColor(0x60A060);
          }}}};

    const QSize cell(100, 34);
    const int labelWidth = 64;
    const int gridRows = 8 * 9;
    const int featureTop = 20 + gridRows * cell.height();
    QImage gallery(labelWidth + cell.width() * 7, featureTop + 3 * (cell.height() + 14),
                   QImage::Format_RGB32);
    gallery.fill(toQColor(containerColor));
    QPainter painter(&gallery);
    for (int column = 0; column < 7; ++column)
        painter.drawText(labelWidth + column * cell.width() + 4, 14, looks[column].name);
    int row = 0;
    for (int style = 0; style < 8; ++style) {
        for (int shape = 0; shape < 9; ++shape, ++row) {
            const int top = 20 + row * cell.height();
            painter.drawText(4, top + 20, QString("style %1/%2").arg(style).arg(shape));
            QImage normal;
            for (int column = 0; column < 7; ++column) {
                ButtonProperties p = plain(style, ButtonFaceColor);
                p.setCaption(shape >= 7 ? "Sh&aped" : "&Button");
                if (shape >= 7)
                    p.setPicture(QPixmap::fromImage(face));
                else if (shape == 0)
                    p.setPicture(QPixmap::fromImage(icon));
                p.setButtonShape(shape);
                if (looks[column].checked) {
                    p.setMode(1);
                    p.setValue(true);
                }
                const QImage image = render(p, looks[column].look, QSize(92, 26));
                painter.drawImage(labelWidth + column * cell.width() + 4, top + 4, image);
                // Hover and default are not every style's: the others are.
                if (column == 0) {
                    normal = image;
                } else if (shape < 7 && column != 1 && column != 3) {
                    EXPECT_NE(image, normal) << style << "/" << shape << " " << looks[column].name;
                }
            }
        }
    }
    // A feature that leaves the plain button as it was is one that does not show.
    ButtonProperties plainButton = plain(0, ButtonFaceColor);
    plainButton.setCaption("&Button");
    const QImage plainImage = render(plainButton, {}, QSize(92, 30));
    for (int line = 0; line < 3; ++line) {
        const int top = featureTop + line * (cell.height() + 14);
        for (int column = 0; column < 7; ++column) {
            const Feature& feature = features[line][column];
            ButtonProperties p = plainButton;
            feature.set(p);
            const QImage image = render(p, feature.look, QSize(92, 30));
            EXPECT_NE(image, plainImage) << feature.name;
            const int left = labelWidth + column * cell.width() + 4;
            painter.drawText(left, top + 12, feature.name);
            painter.drawImage(left, top + 16, image);
        }
    }
    painter.end();
    // Kept only where a developer names a file for review; a test writes nowhere else.
    const test::TempFolder temp;
    EXPECT_TRUE(gallery.save(QString::fromStdString(temp / "button-gallery.png")));
    if (const char* review = std::getenv("TIDECOPY_BUTTON_GALLERY")) {
        EXPECT_TRUE(gallery.save(review));
    }
}

} // namespace
} // namespace tidecopy
