#include "widgets/ClickableImage.h"

#include "widgets/ControlNaming.h"
#include "widgets/FocusFrame.h"
#include "widgets/PressableAccessible.h"

#include <QCursor>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tidecopy {

namespace {

// Room for the focus frame around the picture.
constexpr int focusMargin = 2;

} // namespace

ClickableImage::ClickableImage(const QString& name, const QString& spoken, const QIcon& icon,
                               QWidget* parent)
    : QLabel(parent) {
    PressableAccessible<ClickableImage, QAccessible::Button, &ClickableImage::press>::install();
    nameControl(this, name, spoken);
    const int edge = fontMetrics().height();
    setPixmap(icon.pixmap(QSize(edge, edge), devicePixelRatioF()));
    setMargin(focusMargin);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ClickableImage::press() {
    m_pressedByPointer = false;
    emit MouseDown(1);
    emit clicked();
}

QPoint ClickableImage::menuPosition() const {
    return m_pressedByPointer ? QCursor::pos() : mapToGlobal(rect().bottomLeft());
}

void ClickableImage::mousePressEvent(QMouseEvent* event) {
    m_pressedByPointer = true;
    emit MouseDown(event->button() == Qt::LeftButton ? 1 : 2);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    m_pressedByPointer = true;
    if (rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton)
        emit clicked();
}

void ClickableImage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Menu:
        press();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableImage::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    drawFocusFrame(this);
}

} // namespace tidecopy
