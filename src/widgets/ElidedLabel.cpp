#include "widgets/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace tidecopy {

ElidedLabel::ElidedLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QString ElidedLabel::shownText(int width) const {
    QStringList lines = text().split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = fontMetrics().elidedText(line, Qt::ElideRight, width);
    return lines.join(QLatin1Char('\n'));
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    const QRect room = contentsRect().marginsRemoved({margin(), margin(), margin(), margin()});
    const QString shown = shownText(room.width());
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown, foregroundRole());
}

} // namespace tidecopy
