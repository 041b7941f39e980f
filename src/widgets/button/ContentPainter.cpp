#include "widgets/button/ContentPainter.h"

#include "widgets/button/ButtonCaption.h"
#include "widgets/button/SystemColors.h"

#include <QBitmap>
#include <QPainter>

namespace tidecopy {

namespace {

constexpr ColorValue white = 0xFFFFFF;
constexpr ColorValue disabledGrey = 0x808080;
constexpr int embossShift = 40;

void text(QPainter& painter, const PaintContext& context, QPoint at, ColorValue color) {
    painter.setPen(toQColor(color));
    painter.drawText(context.layout.caption.translated(at), context.layout.textFlags,
                     drawnCaption(context.properties.Caption));
}

QPixmap greyed(const QPixmap& picture) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Lighter grey: a disabled picture recedes like its caption.
            const int grey = 128 + qGray(row[x]) / 2;
            row[x] = qRgba(grey, grey, grey, qAlpha(row[x]));
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

void drawCaption(QPainter& painter, const PaintContext& context, ColorValue base,
                 std::optional<ColorValue> disabledColor, QPoint offset) {
    if (context.properties.Caption.isEmpty())
        return;
    if (!context.look.enabled) {
        if (!disabledColor || context.gradient())
            text(painter, context, offset + QPoint(1, 1), white);
        text(painter, context, offset, disabledColor.value_or(disabledGrey));
        return;
    }
    const ColorValue color = context.textColor();
    if (context.properties.CaptionStyle == 0) {
        text(painter, context, offset, color);
        return;
    }
    const int amount = context.properties.CaptionStyle == 1 ? -embossShift : embossShift;
    text(painter, context, offset + QPoint(-1, 0), ShiftColor(base, amount));
    text(painter, context, offset + QPoint(1, 2), ShiftColor(base, -amount));
    text(painter, context, offset + QPoint(0, 1), color);
}

QPixmap transparentPicture(const QPixmap& picture) {
    if (picture.isNull() || picture.hasAlphaChannel())
        return picture;
    QPixmap masked = picture;
    const QColor key = QColor::fromRgb(picture.toImage().pixel(0, 0));
    masked.setMask(picture.createMaskFromColor(key, Qt::MaskInColor));
    return masked;
}

void drawPicture(QPainter& painter, const PaintContext& context, QPoint offset) {
    const ButtonProperties& p = context.properties;
    if (!p.hasPicture())
        return;
    QPixmap picture = transparentPicture(p.Picture);
    if (!context.look.enabled)
        picture = greyed(picture);
    if (p.customShape()) {
        painter.drawPixmap(offset, picture);
        return;
    }
    if (context.layout.picture.isEmpty())
        return;
    // A bitmap is stretched pixel by pixel; an icon is scaled smoothly.
    const Qt::TransformationMode mode =
        p.pictureIsIcon() ? Qt::SmoothTransformation : Qt::FastTransformation;
    const QRect target = context.layout.picture.translated(offset);
    painter.drawPixmap(target.topLeft(),
                       picture.scaled(target.size(), Qt::IgnoreAspectRatio, mode));
}

} // namespace tidecopy
