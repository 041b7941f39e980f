#include "widgets/button/ButtonProperties.h"

namespace tidecopy {

namespace {

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

constexpr int fontBold = 2;
constexpr int fontItalic = 4;
constexpr int fontUnderline = 8;
constexpr int customShapePictureSize = 48;

} // namespace

bool isMousePointerCode(int code) {
    return inRange(code, 0, 15) || code == customMousePointer;
}

int ButtonProperties::FontStyle() const {
    return (Font.bold() ? fontBold : 0) | (Font.italic() ? fontItalic : 0) |
           (Font.underline() ? fontUnderline : 0);
}

ButtonChanges ButtonProperties::setButtonStyle(int style) {
    if (!inRange(style, 0, 7))
        return {};
    ButtonChanges changes = ButtonChange::Layout | ButtonChange::Colors | ButtonChange::Redraw;
    // Style 5 and the styles that trim corners have outlines of their own.
    if (((ButtonStyle == 5 || style == 5) && !customShape()) || ButtonShape < 4)
        changes |= ButtonChange::Region;
    ButtonStyle = style;
    return changes;
}

ButtonChanges ButtonProperties::setMode(int mode) {
    if (!inRange(mode, 0, 2))
        return {};
    ButtonChanges changes = ButtonChange::Redraw | ButtonChange::Role;
    if (Mode == 2 && mode != 2)
        changes |= ButtonChange::LeaveGroup;
    if (mode == 2 && Mode != 2)
        changes |= ButtonChange::JoinGroup;
    if (mode == 0 && Value) {
        Value = false;
        changes |= ButtonChange::Checked;
    }
    Mode = mode;
    return changes;
}

ButtonChanges ButtonProperties::setCaption(const QString& caption) {
    Caption = caption;
    return ButtonChange::Caption | ButtonChange::Layout | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setCaptionAlign(int align) {
    // A picture above or below the caption keeps it centred.
    if (!inRange(align, 0, 2) || (align != 2 && PictureAlign >= 4 && hasPicture()))
        return {};
    CaptionAlign = align;
    return ButtonChange::Layout | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setCaptionStyle(int style) {
    if (!inRange(style, 0, 2))
        return {};
    CaptionStyle = style;
    if (Caption.isEmpty())
        return {};
    return ButtonChange::Layout | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setCustomClick(int direction) {
    if (inRange(direction, 0, 8))
        CustomClick = direction;
    return {};
}

ButtonChanges ButtonProperties::setButtonShape(int shape) {
    if (!inRange(shape, 0, 8))
        return {};
    if (shape >= 7) {
        // The outline is cut from a bitmap's transparent colour; an icon has none.
        if (!hasPicture() || pictureIsIcon())
            return {};
        pictureSizePixels = customShapePictureSize;
    }
    ButtonShape = shape;
    CaptionAlign = 2;
    return ButtonChange::Resize;
}

ButtonChanges ButtonProperties::setPicture(const QPixmap& picture) {
    Picture = picture;
    if (pictureSizePixels == 0)
        pictureSizePixels = 16;
    if (!customShape())
        return ButtonChange::Layout | ButtonChange::Redraw;
    if (!hasPicture() || pictureIsIcon())
        ButtonShape = 0;
    return ButtonChange::Resize;
}

ButtonChanges ButtonProperties::setPictureAlign(int align) {
    if (!inRange(align, 0, 5))
        return {};
    PictureAlign = align;
    if (align >= 4)
        CaptionAlign = 2;
    return ButtonChange::Layout | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setValue(bool value) {
    // A command button is never checked.
    if (Mode == 0)
        value = false;
    if (value == Value)
        return value && Mode == 2 ? ButtonChanges(ButtonChange::ClearGroup) : ButtonChanges();
    Value = value;
    ButtonChanges changes = ButtonChange::Checked | ButtonChange::Redraw;
    if (value && Mode == 2)
        changes |= ButtonChange::ClearGroup;
    return changes;
}

ButtonChanges ButtonProperties::setPictureSize(int index) {
    // A custom shape's picture is its outline: its size stays.
    if (customShape() || !inRange(index, 0, 4))
        return {};
    pictureSizePixels = (index + 2) * 8;
    return ButtonChange::Layout | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setMousePointer(int code) {
    if (!isMousePointerCode(code))
        return {};
    MousePointer = code;
    return ButtonChange::Cursor;
}

ButtonChanges ButtonProperties::setMouseIcon(const QPixmap& icon) {
    // Only an icon or cursor (a picture with transparency) makes a pointer.
    if (!icon.isNull() && !icon.hasAlphaChannel())
        return {};
    MouseIcon = icon;
    if (!icon.isNull())
        MousePointer = customMousePointer;
    return ButtonChange::Cursor;
}

ButtonChanges ButtonProperties::setFont(const QFont& font) {
    Font = font;
    return ButtonChange::Font | ButtonChange::Layout | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setFontStyle(int bits) {
    QFont font = Font;
    font.setBold((bits & fontBold) != 0);
    font.setItalic((bits & fontItalic) != 0);
    font.setUnderline((bits & fontUnderline) != 0);
    return setFont(font);
}

ButtonChanges ButtonProperties::setForeColor(ColorValue color) {
    if (color == ForeColor)
        return {};
    ForeColor = color;
    ButtonChanges changes = ButtonChange::Refresh | ButtonChange::Redraw;
    if (hoverForeFollows())
        changes |= setHoverForeColor(color);
    return changes;
}

ButtonChanges ButtonProperties::setBackColor(ColorValue color) {
    BackColor = color;
    ButtonChanges changes = ButtonChange::Colors | ButtonChange::Redraw;
    // Through the hover setter: a gradient's colour differs from the new back colour and
    // so locks the hover face on it.
    if (hoverBackFollows())
        changes |= setHoverBackColor(followedHoverBack());
    return changes;
}

ButtonChanges ButtonProperties::setGradientColor(ColorValue color) {
    if (hoverBackFollows() && GradientMode > 0)
        HoverBackColor = color;
    GradientColor = color;
    return GradientMode != 0 ? ButtonChange::Colors | ButtonChange::Redraw
                             : ButtonChanges(ButtonChange::Colors);
}

ButtonChanges ButtonProperties::setGradientMode(int mode) {
    if (!inRange(mode, 0, 4))
        return {};
    GradientMode = mode;
    if (hoverBackFollows())
        HoverBackColor = followedHoverBack();
    return ButtonChange::Colors | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setHoverColorLocks(int locks) {
    if (!inRange(locks, 0, 3))
        return {};
    HoverColorLocks = locks;
    if (hoverBackFollows())
        HoverBackColor = followedHoverBack();
    if (hoverForeFollows())
        HoverForeColor = ForeColor;
    return ButtonChange::Colors | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setHoverForeColor(ColorValue color) {
    if (color == HoverForeColor)
        return {};
    HoverForeColor = color;
    if (color != ForeColor && (HoverColorLocks == 0 || HoverColorLocks == 1))
        HoverColorLocks += 2;
    return ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::setHoverBackColor(ColorValue color) {
    if (color == HoverBackColor)
        return {};
    HoverBackColor = color;
    if (color != BackColor && (HoverColorLocks == 0 || HoverColorLocks == 2))
        HoverColorLocks += 1;
    return ButtonChange::Colors | ButtonChange::Redraw;
}

ButtonChanges ButtonProperties::resetDefaultColors() {
    BackColor = ButtonFaceColor;
    ForeColor = ButtonTextColor;
    GradientColor = ButtonFaceColor;
    GradientMode = 0;
    HoverColorLocks = 0;
    HoverBackColor = BackColor;
    HoverForeColor = ForeColor;
    return ButtonChange::Colors | ButtonChange::Refresh | ButtonChange::Redraw;
}

} // namespace tidecopy
