#include "widgets/LinkLabel.h"

#include "widgets/ControlNaming.h"
#include "widgets/FocusFrame.h"
#include "widgets/PressableAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tidecopy {

LinkLabel::LinkLabel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    PressableAccessible<LinkLabel, QAccessible::Link, &LinkLabel::activate>::install();
    nameControl(this, name, caption);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
    setPalette(colours);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    drawFocusFrame(this);
}

} // namespace tidecopy
