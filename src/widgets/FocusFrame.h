#pragma once

#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>

namespace tidecopy {

// The style's focus frame around a widget that draws no focus of its own, while it has
// the focus; call it at the end of its paintEvent.
inline void drawFocusFrame(QWidget* widget) {
    if (!widget->hasFocus())
        return;
    QStylePainter painter(widget);
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace tidecopy
