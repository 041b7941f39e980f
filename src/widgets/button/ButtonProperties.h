#pragma once

#include "widgets/button/ColorValue.h"

#include <QFlags>
#include <QFont>
#include <QPixmap>
#include <QString>

namespace tidecopy {

// What a property change asks of the button, applied by it in one pass.
enum class ButtonChange : unsigned {
    Redraw = 1u << 0,
    Refresh = 1u << 1,    // clears the delay flag before redrawing
    Layout = 1u << 2,     // the caption, the picture or the size they need moved
    Region = 1u << 3,     // the outline changed
    Resize = 1u << 4,     // the resize logic: outline, layout and one redraw
    Colors = 1u << 5,     // the resolved colours are stale
    JoinGroup = 1u << 6,  // entered option mode
    LeaveGroup = 1u << 7, // left option mode
    ClearGroup = 1u << 8, // became the selected option
    Font = 1u << 9,
    Cursor = 1u << 10,
    Caption = 1u << 11, // access key and spoken name
    Role = 1u << 12,    // what assistive technology calls it
    Checked = 1u << 13, // Value changed
};
Q_DECLARE_FLAGS(ButtonChanges, ButtonChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(ButtonChanges)

// The button's properties with the values of a new button, and the rules their setters
// enforce: ranges (a value outside is ignored), the mode and shape rules, and the hover
// colour locks. The button owns one and applies the changes each setter reports.
struct ButtonProperties {
    int ButtonStyle = 0;  // 0..7
    int Mode = 0;         // 0 command, 1 check, 2 option
    QString Caption;      // "&" access key, "&&" one ampersand, "||" line break
    int CaptionAlign = 2; // 0 left, 1 right, 2 centre
    int CaptionStyle = 0; // 0 flat, 1 and 2 embossed
    int CustomClick = 0;  // 0..8: where a pressed custom shape moves
    int ButtonShape = 0;  // 0 rectangle, 1..3 slanted, 4..6 rounded, 7 and 8 from the picture
    // A picture with an alpha channel is an icon; one without is a bitmap whose top-left
    // pixel gives its transparent colour.
    QPixmap Picture;
    int PictureAlign = 0; // 0, 1 left; 2, 3 right; 4 top; 5 bottom
    bool Enabled = true;
    bool ShowFocusRect = true;
    bool Value = false;
    int pictureSizePixels = 0; // 16, 24, 32, 40 or 48; 0 until a size or picture is set
    int MousePointer = 0;
    QPixmap MouseIcon;
    QFont Font;
    ColorValue ForeColor = ButtonTextColor;
    ColorValue BackColor = ButtonFaceColor;
    ColorValue GradientColor = 0;
    int GradientMode = 0;    // 0 none; 1, 2 across; 3, 4 down
    int HoverColorLocks = 0; // 1 hover back colour set by hand, 2 hover text colour
    ColorValue HoverForeColor = ButtonTextColor;
    ColorValue HoverBackColor = ButtonFaceColor;

    bool hasPicture() const { return !Picture.isNull(); }
    bool pictureIsIcon() const { return hasPicture() && Picture.hasAlphaChannel(); }
    bool customShape() const { return ButtonShape >= 7; }
    int PictureSize() const { return pictureSizePixels > 0 ? pictureSizePixels / 8 - 2 : 0; }
    int FontStyle() const;
    // The colour an unlocked hover face follows.
    ColorValue followedHoverBack() const { return GradientMode != 0 ? GradientColor : BackColor; }

    ButtonChanges setButtonStyle(int style);
    ButtonChanges setMode(int mode);
    ButtonChanges setCaption(const QString& caption);
    ButtonChanges setCaptionAlign(int align);
    ButtonChanges setCaptionStyle(int style);
    ButtonChanges setCustomClick(int direction);
    ButtonChanges setButtonShape(int shape);
    ButtonChanges setPicture(const QPixmap& picture);
    ButtonChanges setPictureAlign(int align);
    ButtonChanges setValue(bool value);
    ButtonChanges setPictureSize(int index);
    ButtonChanges setMousePointer(int code);
    ButtonChanges setMouseIcon(const QPixmap& icon);
    ButtonChanges setFont(const QFont& font);
    ButtonChanges setFontStyle(int bits);
    ButtonChanges setForeColor(ColorValue color);
    ButtonChanges setBackColor(ColorValue color);
    ButtonChanges setGradientColor(ColorValue color);
    ButtonChanges setGradientMode(int mode);
    ButtonChanges setHoverColorLocks(int locks);
    ButtonChanges setHoverForeColor(ColorValue color);
    ButtonChanges setHoverBackColor(ColorValue color);
    // The default colours, no gradient and both hover colours following again.
    ButtonChanges resetDefaultColors();

    bool hoverBackFollows() const { return HoverColorLocks == 0 || HoverColorLocks == 2; }
    bool hoverForeFollows() const { return HoverColorLocks == 0 || HoverColorLocks == 1; }
};

// The pointer codes MousePointer accepts: 0..15 and 99, the custom MouseIcon.
bool isMousePointerCode(int code);
constexpr int customMousePointer = 99;

} // namespace tidecopy
