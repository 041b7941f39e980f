#include "widgets/ClickableImage.h"

#include "widgets/ControlNaming.h"

#include <QIcon>
#include <QMouseEvent>

namespace tidecopy {

ClickableImage::ClickableImage(const QString& name, const QString& spoken, const QIcon& icon,
                               QWidget* parent)
    : QLabel(parent) {
    nameControl(this, name, spoken);
    const int edge = fontMetrics().height();
    setPixmap(icon.pixmap(QSize(edge, edge), devicePixelRatioF()));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ClickableImage::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button() == Qt::LeftButton ? 1 : 2);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace tidecopy
