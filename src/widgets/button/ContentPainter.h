#pragma once

#include "widgets/button/PaintContext.h"

#include <QPoint>
#include <optional>

class QPainter;
class QPixmap;

namespace tidecopy {

// The caption in its look: once in the text colour, embossed around `base`
// (CaptionStyle 1 and 2), or disabled: in `disabledColor`, and with a white copy below
// and right of it when there is none or a gradient is on.
void drawCaption(QPainter& painter, const PaintContext& context, ColorValue base,
                 std::optional<ColorValue> disabledColor, QPoint offset = {});

// The picture in its place (a custom shape's at its own size as the face), see through
// where a bitmap has its top-left colour, greyed when disabled.
void drawPicture(QPainter& painter, const PaintContext& context, QPoint offset = {});

// A bitmap seen through where it has the colour of its top-left pixel; an icon as it is.
QPixmap transparentPicture(const QPixmap& picture);

} // namespace tidecopy
