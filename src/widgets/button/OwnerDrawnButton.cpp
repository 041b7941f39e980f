#include "widgets/button/OwnerDrawnButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tidecopy {

namespace {

// The mouse button numbers of the MouseDown event: 1 left, 2 right, 4 middle.
int buttonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// Shift 1, Ctrl 2, Alt 4, as the event reports them.
int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace

OwnerDrawnButton::OwnerDrawnButton(QWidget* parent)
    : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] {
        emit Click();
        // The mouse has pressed already, on MouseDown.
        if (!m_mouseRelease)
            emit Pressed();
    });
}

void OwnerDrawnButton::setCaption(const QString& caption) {
    m_caption = caption;
    // The toolkit's text carries the access key (its "&" rules are the same).
    setText(QString(caption).replace("||", " "));
    QString spoken = caption;
    spoken.replace("||", " ").replace("&&", "\x01").remove('&').replace('\x01', '&');
    setAccessibleName(spoken);
    updateGeometry();
    update();
}

void OwnerDrawnButton::setEnabledState(bool enabled) {
    setEnabled(enabled);
    update();
}

void OwnerDrawnButton::setPicture(const QPixmap& picture) {
    m_picture = picture;
    setIcon(QIcon(picture));
    updateGeometry();
    update();
}

QString OwnerDrawnButton::displayText() const {
    return QString(m_caption).replace("||", "\n");
}

QSize OwnerDrawnButton::sizeHint() const {
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = displayText();
    const QFontMetrics metrics = fontMetrics();
    QSize content = metrics.size(Qt::TextShowMnemonic, option.text);
    if (!m_picture.isNull()) {
        const QSize picture = iconSize();
        content.rwidth() += picture.width() + (option.text.isEmpty() ? 0 : 4);
        content.setHeight(std::max(content.height(), picture.height()));
    }
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, content + QSize(12, 6), this);
}

QSize OwnerDrawnButton::minimumSizeHint() const {
    return sizeHint();
}

void OwnerDrawnButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = displayText();
    if (!m_picture.isNull()) {
        option.icon = icon();
        option.iconSize = iconSize();
    }
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButton, option);
}

void OwnerDrawnButton::emitMouseDown(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(buttonNumber(event->button()), shiftState(event->modifiers()), at.x(), at.y());
    emit Pressed();
}

void OwnerDrawnButton::mousePressEvent(QMouseEvent* event) {
    // The base class presses only for the left button; every button raises MouseDown.
    QAbstractButton::mousePressEvent(event);
    emitMouseDown(event);
}

void OwnerDrawnButton::mouseReleaseEvent(QMouseEvent* event) {
    m_mouseRelease = true;
    QAbstractButton::mouseReleaseEvent(event);
    m_mouseRelease = false;
}

void OwnerDrawnButton::mouseDoubleClickEvent(QMouseEvent* event) {
    QAbstractButton::mouseDoubleClickEvent(event);
    emitMouseDown(event);
}

void OwnerDrawnButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses a focused button as Space does; the toolkit leaves it to default buttons.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tidecopy
