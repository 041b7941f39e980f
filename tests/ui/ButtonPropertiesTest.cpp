#include "widgets/button/ButtonProperties.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

QPixmap bitmap() {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return QPixmap::fromImage(image);
}

QPixmap icon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return QPixmap::fromImage(image);
}

TEST(ButtonProperties, HoverColoursFollowTheirColoursUntilSetByHand) {
    struct Row {
        const char* name;
        std::function<void(ButtonProperties&)> steps;
        int locks;
        ColorValue hoverFore;
        ColorValue hoverBack;
    };
    const Row rows[] = {
        {"the text colour set as hover text colour locks nothing",
         [](auto& p) {
             p.setForeColor(0x111111);
             p.setHoverForeColor(0x111111);
             p.setForeColor(0x222222);
         },
         0, 0x222222, ButtonFaceColor},
        {"a hover text colour of its own stays",
         [](auto& p) {
             p.setHoverForeColor(0x0000FF);
             p.setForeColor(0x222222);
         },
         2, 0x0000FF, ButtonFaceColor},
        {"a hover face of its own stays",
         [](auto& p) {
             p.setHoverBackColor(0x00FF00);
             p.setBackColor(0x333333);
         },
         1, ButtonTextColor, 0x00FF00},
        {"both set by hand",
         [](auto& p) {
             p.setHoverBackColor(0x00FF00);
             p.setHoverForeColor(0x0000FF);
         },
         3, 0x0000FF, 0x00FF00},
        {"a gradient's colour is the unlocked hover face",
         [](auto& p) {
             p.setGradientColor(0x445566);
             p.setGradientMode(3);
             p.setBackColor(0x101010);
         },
         0, ButtonTextColor, 0x445566},
        {"no gradient: the back colour again",
         [](auto& p) {
             p.setGradientMode(3);
             p.setBackColor(0x101010);
             p.setGradientMode(0);
         },
         0, ButtonTextColor, 0x101010},
        {"unlocking makes both follow again",
         [](auto& p) {
             p.setHoverForeColor(0x0000FF);
             p.setHoverBackColor(0x00FF00);
             p.setHoverColorLocks(0);
         },
         0, ButtonTextColor, ButtonFaceColor},
        {"a lock outside 0..3 is ignored", [](auto& p) { p.setHoverColorLocks(7); }, 0,
         ButtonTextColor, ButtonFaceColor},
        {"the default colours, no gradient, no locks",
         [](auto& p) {
             p.setGradientMode(2);
             p.setHoverForeColor(0x0000FF);
             p.setBackColor(0x101010);
             p.resetDefaultColors();
         },
         0, ButtonTextColor, ButtonFaceColor},
    };
    for (const Row& row : rows) {
        ButtonProperties p;
        row.steps(p);
        EXPECT_EQ(p.HoverColorLocks, row.locks) << row.name;
        EXPECT_EQ(p.HoverForeColor, row.hoverFore) << row.name;
        EXPECT_EQ(p.HoverBackColor, row.hoverBack) << row.name;
    }
}

TEST(ButtonProperties, SettersKeepRangesAndTheModeAndShapeRules) {
    struct Row {
        const char* name;
        std::function<ButtonChanges(ButtonProperties&)> steps; // the last step's changes
        std::function<bool(const ButtonProperties&)> holds;
        ButtonChanges reported = {};
    };
    const Row rows[] = {
        {"styles outside 0..7 are ignored",
         [](auto& p) {
             p.setButtonStyle(3);
             p.setButtonStyle(8);
             return p.setButtonStyle(-1);
         },
         [](auto& p) {
             return p.ButtonStyle == 3;
         }},
        {"picture sizes outside 0..4 are ignored, none set reads 0",
         [](auto& p) {
             p.setPictureSize(5);
             return p.setPictureSize(-1);
         },
         [](auto& p) {
             return p.PictureSize() == 0 && p.pictureSizePixels == 0;
         }},
        {"picture size 3 is 40 pixels", [](auto& p) { return p.setPictureSize(3); },
         [](auto& p) { return p.PictureSize() == 3 && p.pictureSizePixels == 40; },
         ButtonChange::Layout},
        {"a command button is never on", [](auto& p) { return p.setValue(true); },
         [](auto& p) {
             return !p.Value;
         }},
        {"leaving option mode clears the value and the group",
         [](auto& p) {
             p.setMode(2);
             p.setValue(true);
             return p.setMode(0);
         },
         [](auto& p) { return !p.Value && p.Mode == 0; },
         ButtonChange::LeaveGroup | ButtonChange::Checked},
        {"a selected option clears its group",
         [](auto& p) {
             p.setMode(2);
             return p.setValue(true);
         },
         [](auto& p) { return p.Value; }, ButtonChange::ClearGroup},
        {"a custom shape needs a picture", [](auto& p) { return p.setButtonShape(7); },
         [](auto& p) {
             return p.ButtonShape == 0;
         }},
        {"a custom shape cannot be cut from an icon",
         [](auto& p) {
             p.setPicture(icon());
             return p.setButtonShape(8);
         },
         [](auto& p) {
             return p.ButtonShape == 0;
         }},
        {"a custom shape takes the largest picture size and a centred caption",
         [](auto& p) {
             p.setCaptionAlign(0);
             p.setPicture(bitmap());
             const ButtonChanges changes = p.setButtonShape(7);
             p.setPictureSize(0);
             return changes;
         },
         [](auto& p) { return p.ButtonShape == 7 && p.PictureSize() == 4 && p.CaptionAlign == 2; },
         ButtonChange::Resize},
        {"an icon turns a custom shape back into a rectangle",
         [](auto& p) {
             p.setPicture(bitmap());
             p.setButtonShape(7);
             return p.setPicture(icon());
         },
         [](auto& p) { return p.ButtonShape == 0; }, ButtonChange::Resize},
        {"a caption beside a picture above it stays centred",
         [](auto& p) {
             p.setPicture(bitmap());
             p.setPictureAlign(4);
             return p.setCaptionAlign(0);
         },
         [](auto& p) {
             return p.CaptionAlign == 2;
         }},
        {"font style bits 2, 4 and 8", [](auto& p) { return p.setFontStyle(1 | 2 | 8); },
         [](auto& p) {
             return p.Font.bold() && !p.Font.italic() && p.Font.underline() && p.FontStyle() == 10;
         },
         ButtonChange::Font},
        {"pointer codes outside the host's are ignored",
         [](auto& p) {
             p.setMousePointer(11);
             return p.setMousePointer(16);
         },
         [](auto& p) {
             return p.MousePointer == 11;
         }},
        {"only an icon makes a custom pointer",
         [](auto& p) {
             p.setMouseIcon(bitmap());
             return p.setMouseIcon(icon());
         },
         [](auto& p) { return p.MousePointer == customMousePointer && !p.MouseIcon.isNull(); },
         ButtonChange::Cursor},
    };
    for (const Row& row : rows) {
        ButtonProperties p;
        const ButtonChanges changes = row.steps(p);
        EXPECT_TRUE(row.holds(p)) << row.name;
        EXPECT_EQ(changes & row.reported, row.reported) << row.name;
    }
}

} // namespace
} // namespace tidecopy
