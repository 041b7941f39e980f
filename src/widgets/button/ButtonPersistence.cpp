#include "widgets/button/ButtonPersistence.h"

namespace tidecopy {

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values)
    : m_values(values) {}

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& defaultValue) {
    if (value != defaultValue)
        write(key, value);
}

void PropertyBag::write(const QString& key, const QVariant& value) {
    m_values.append({key, value});
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const {
    for (const auto& [stored, value] : m_values) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    }
    return defaultValue;
}

QStringList PropertyBag::keys() const {
    QStringList keys;
    for (const auto& entry : m_values)
        keys.append(entry.first);
    return keys;
}

namespace {

QVariant colorVariant(ColorValue color) {
    return QVariant::fromValue(static_cast<uint>(color));
}

int readInt(const PropertyBag& bag, const QString& key, int fallback, int low, int high) {
    bool ok = false;
    const int value = bag.read(key, fallback).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

bool readBool(const PropertyBag& bag, const QString& key, bool fallback) {
    const QVariant value = bag.read(key, fallback);
    return value.canConvert<bool>() ? value.toBool() : fallback;
}

ColorValue readColor(const PropertyBag& bag, const QString& key, ColorValue fallback) {
    bool ok = false;
    const uint value = bag.read(key, colorVariant(fallback)).toUInt(&ok);
    return ok ? static_cast<ColorValue>(value) : fallback;
}

template <typename T>
T readValue(const PropertyBag& bag, const QString& key, const T& fallback) {
    const QVariant value = bag.read(key, QVariant::fromValue(fallback));
    return value.canConvert<T>() ? value.value<T>() : fallback;
}

bool isStoredPictureSize(int pixels) {
    return pixels == 0 || (pixels >= 16 && pixels <= 48 && pixels % 8 == 0);
}

} // namespace

PropertyBag storeButtonProperties(const ButtonProperties& p, const ContainerDefaults& container) {
    PropertyBag bag;
    bag.write("Caption", p.Caption, QString());
    bag.write("CapAlign", p.CaptionAlign, 2);
    bag.write("BackStyle", p.ButtonStyle, 0);
    bag.write("Shape", p.ButtonShape, 0);
    bag.write("Font", QVariant::fromValue(p.Font), QVariant::fromValue(container.font));
    bag.write("cFore", colorVariant(p.ForeColor), colorVariant(ButtonTextColor));
    bag.write("cFHover", colorVariant(p.HoverForeColor), colorVariant(ButtonTextColor));
    bag.write("cBhover", colorVariant(p.HoverBackColor), colorVariant(p.BackColor));
    bag.write("Focus", p.ShowFocusRect, true);
    bag.write("LockHover", p.HoverColorLocks, 0);
    bag.write("cGradient", colorVariant(p.GradientColor), colorVariant(ButtonFaceColor));
    bag.write("Gradient", p.GradientMode, 0);
    bag.write("CapStyle", p.CaptionStyle, 0);
    bag.write("Mode", p.Mode);
    bag.write("Value", p.Value);
    bag.write("CustomClick", p.CustomClick, 0);
    bag.write("ImgAlign", p.PictureAlign, 0);
    if (p.hasPicture())
        bag.write("Image", QVariant::fromValue(p.Picture));
    bag.write("ImgSize", p.pictureSizePixels, 16);
    bag.write("Enabled", p.Enabled, true);
    bag.write("cBack", colorVariant(p.BackColor));
    bag.write("mPointer", p.MousePointer, 0);
    if (!p.MouseIcon.isNull())
        bag.write("mIcon", QVariant::fromValue(p.MouseIcon));
    return bag;
}

ButtonProperties loadButtonProperties(const PropertyBag& bag, const ContainerDefaults& container) {
    ButtonProperties p;
    p.Caption = readValue<QString>(bag, "Caption", QString());
    p.CaptionAlign = readInt(bag, "CapAlign", 2, 0, 2);
    p.ButtonStyle = readInt(bag, "BackStyle", 0, 0, 7);
    p.ButtonShape = readInt(bag, "Shape", 0, 0, 8);
    p.GradientMode = readInt(bag, "Gradient", 0, 0, 4);
    p.GradientColor = readColor(bag, "cGradient", ButtonFaceColor);
    p.ForeColor = readColor(bag, "cFore", ButtonTextColor);
    p.Font = readValue<QFont>(bag, "Font", container.font);
    p.ShowFocusRect = readBool(bag, "Focus", true);
    p.Mode = readInt(bag, "Mode", 0, 0, 2);
    p.Value = p.Mode != 0 && readBool(bag, "Value", false);
    p.CustomClick = readInt(bag, "CustomClick", 0, 0, 8);
    p.Picture = readValue<QPixmap>(bag, "Image", QPixmap());
    p.pictureSizePixels = readInt(bag, "ImgSize", 16, 0, 48);
    if (!isStoredPictureSize(p.pictureSizePixels))
        p.pictureSizePixels = 16;
    p.PictureAlign = readInt(bag, "ImgAlign", 0, 0, 5);
    p.HoverForeColor = readColor(bag, "cFHover", ButtonTextColor);
    p.Enabled = readBool(bag, "Enabled", true);
    p.BackColor = readColor(bag, "cBack", container.backColor);
    // Read after the back colour, which a missing hover back colour defaults to.
    p.HoverBackColor = readColor(bag, "cBHover", p.BackColor);
    p.HoverColorLocks = readInt(bag, "LockHover", 0, 0, 3);
    p.CaptionStyle = readInt(bag, "CapStyle", 0, 0, 2);
    p.setMouseIcon(readValue<QPixmap>(bag, "mIcon", QPixmap()));
    p.setMousePointer(readInt(bag, "mPointer", 0, 0, customMousePointer));
    // A custom outline needs a bitmap to be cut from.
    if (p.customShape() && (!p.hasPicture() || p.pictureIsIcon()))
        p.ButtonShape = 0;
    return p;
}

} // namespace tidecopy
