#pragma once

#include "widgets/button/StylePainters.h"
#include "widgets/button/SystemColors.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace tidecopy::test {

// A button as the screen shows it: drawn in a look, cut to its outline over its container.
inline QImage buttonImage(const ButtonProperties& p, const ButtonLook& look, QSize size,
                          ColorValue container) {
    const QImage picture = p.customShape() ? p.Picture.toImage() : QImage();
    const ButtonOutline outline = buildOutline(p.ButtonShape, p.ButtonStyle, size, picture);
    QImage image(size, QImage::Format_RGB32);
    image.fill(toQColor(container));
    QPainter painter(&image);
    painter.setClipRegion(outline.window);
    renderButton(painter,
                 {p, look, outline, QApplication::palette(), container, size, QSize(1920, 1080)});
    return image;
}

} // namespace tidecopy::test
