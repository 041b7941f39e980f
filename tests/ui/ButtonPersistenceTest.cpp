#include "widgets/button/ButtonPersistence.h"

#include <QApplication>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

ContainerDefaults container() {
    return {QApplication::font(), 0x00C0C0C0};
}

QPixmap opaquePicture() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    image.setPixel(4, 4, qRgb(0, 0, 255));
    return QPixmap::fromImage(image);
}

// A new button writes only what differs from what a missing key reads as.
TEST(ButtonPersistence, WritesInItsOrderAndLeavesDefaultsOut) {
    ButtonProperties fresh;
    fresh.Font = container().font;
    EXPECT_EQ(storeButtonProperties(fresh, container()).keys(),
              (QStringList{"cGradient", "Mode", "Value", "ImgSize", "cBack"}));

    ButtonProperties p = fresh;
    p.setCaption("Copy &The Files");
    p.setButtonStyle(2);
    p.setHoverBackColor(0x00FF00);
    p.setPicture(opaquePicture());
    p.setMode(1);
    EXPECT_EQ(storeButtonProperties(p, container()).keys(),
              (QStringList{"Caption", "BackStyle", "cBhover", "LockHover", "cGradient", "Mode",
                           "Value", "Image", "cBack"}));
}

TEST(ButtonPersistence, EveryPropertyComesBackAsWritten) {
    ButtonProperties p;
    p.setCaption("E&xit||now");
    p.setCaptionAlign(0);
    p.setButtonStyle(7);
    p.setPicture(opaquePicture());
    p.setButtonShape(8);
    p.setCustomClick(4);
    QFont font = container().font;
    font.setItalic(true);
    p.setFont(font);
    p.setForeColor(0x0000FF);
    p.setHoverForeColor(0x00FFFF);
    p.setBackColor(0x202020);
    p.setHoverBackColor(0x303030);
    p.ShowFocusRect = false;
    p.setGradientColor(0x404040);
    p.setGradientMode(4);
    p.setCaptionStyle(2);
    p.setMode(2);
    p.setValue(true);
    p.setPictureAlign(3);
    p.Enabled = false;
    p.setMousePointer(11);

    const ButtonProperties r =
        loadButtonProperties(storeButtonProperties(p, container()), container());
    EXPECT_EQ(r.Caption, p.Caption);
    EXPECT_EQ(r.CaptionAlign, 2) << "a custom shape centres its caption";
    EXPECT_EQ(r.ButtonStyle, 7);
    EXPECT_EQ(r.ButtonShape, 8);
    EXPECT_EQ(r.CustomClick, 4);
    EXPECT_EQ(r.Font, font);
    EXPECT_EQ(r.ForeColor, 0x0000FFu);
    EXPECT_EQ(r.HoverForeColor, 0x00FFFFu);
    EXPECT_EQ(r.BackColor, 0x202020u);
    EXPECT_EQ(r.HoverBackColor, 0x303030u) << "written as cBhover, read as cBHover";
    EXPECT_EQ(r.HoverColorLocks, p.HoverColorLocks);
    EXPECT_FALSE(r.ShowFocusRect);
    EXPECT_EQ(r.GradientColor, 0x404040u);
    EXPECT_EQ(r.GradientMode, 4);
    EXPECT_EQ(r.CaptionStyle, 2);
    EXPECT_EQ(r.Mode, 2);
    EXPECT_TRUE(r.Value);
    EXPECT_EQ(r.PictureAlign, 3);
    EXPECT_EQ(r.pictureSizePixels, 48);
    EXPECT_EQ(r.Picture.toImage(), p.Picture.toImage());
    EXPECT_FALSE(r.Enabled);
    EXPECT_EQ(r.MousePointer, 11);
}

// Missing keys read as their defaults; a value of the wrong kind or out of range too.
TEST(ButtonPersistence, MissingOrDamagedKeysReadAsDefaults) {
    struct Row {
        const char* name;
        PropertyBag bag;
        std::function<bool(const ButtonProperties&)> holds;
    };
    const Row rows[] = {
        {"an empty set",
         {},
         [](auto& p) {
             return p.CaptionAlign == 2 && p.BackColor == 0x00C0C0C0 &&
                    p.HoverBackColor == 0x00C0C0C0 && p.GradientColor == ButtonFaceColor &&
                    p.pictureSizePixels == 16 && p.Enabled && p.ShowFocusRect &&
                    p.Caption.isEmpty();
         }},
        {"the hover face defaults to the back colour just read",
         {{"cback", 0x123456u}},
         [](auto& p) {
             return p.HoverBackColor == 0x123456u;
         }},
        {"keys in any case",
         {{"CAPALIGN", 0}, {"cbhover", 0x654321u}},
         [](auto& p) {
             return p.CaptionAlign == 0 && p.HoverBackColor == 0x654321u;
         }},
        {"values out of range",
         {{"BackStyle", 9}, {"LockHover", 7}, {"CapAlign", 3}, {"ImgSize", 20}, {"Gradient", -1}},
         [](auto& p) {
             return p.ButtonStyle == 0 && p.HoverColorLocks == 0 && p.CaptionAlign == 2 &&
                    p.pictureSizePixels == 16 && p.GradientMode == 0;
         }},
        {"values of the wrong kind",
         {{"Mode", "option"}, {"cFore", "red"}},
         [](auto& p) {
             return p.Mode == 0 && p.ForeColor == ButtonTextColor;
         }},
        {"a custom shape without its picture",
         {{"Shape", 7}},
         [](auto& p) {
             return p.ButtonShape == 0;
         }},
        {"a command button that was stored on",
         {{"Value", true}},
         [](auto& p) {
             return !p.Value;
         }},
    };
    for (const Row& row : rows)
        EXPECT_TRUE(row.holds(loadButtonProperties(row.bag, container()))) << row.name;
}

} // namespace
} // namespace tidecopy
