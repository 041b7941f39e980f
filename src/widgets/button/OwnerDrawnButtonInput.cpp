// OwnerDrawnButton's input and states: mouse, keyboard, access keys, hover tracking,
// option groups, the default look and the keys a dialog routes to its buttons.
#include "widgets/button/ButtonCaption.h"
#include "widgets/button/InputCodes.h"
#include "widgets/button/OptionGroup.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QTimer>

namespace tidecopy {

namespace {

int heldButtonsOf(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

bool isPlain(const QKeyEvent* event) {
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void OwnerDrawnButton::mousePressEvent(QMouseEvent* event) {
    m_lastMouseButton = mouseButtonOf(event->button());
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        pressLeft();
    emit MouseDown(m_lastMouseButton, shiftStateOf(event->modifiers()), at.x(), at.y());
    emit Pressed();
}

void OwnerDrawnButton::pressLeft() {
    m_pressed = true;
    m_pressedByKey = false;
    m_mouseHeld = true;
    m_delayDrawing = false;
    redraw();
    updateCustomClickMove();
}

void OwnerDrawnButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    const bool wasPressed = m_pressed;
    m_mouseHeld = false;
    if (left) {
        m_pressed = false;
        m_delayDrawing = false;
    }
    redraw();
    updateCustomClickMove();
    const int button = mouseButtonOf(event->button());
    const QPoint at = event->position().toPoint();
    emit MouseUp(button, shiftStateOf(event->modifiers()), at.x(), at.y());
    m_lastMouseButton = button;
    // A click is a left press and release over the button; a double click's release is none.
    const bool over = rect().contains(at) && (mask().isEmpty() || mask().contains(at));
    const bool clicks = left && wasPressed && over && !m_doubleClickRelease;
    m_doubleClickRelease = false;
    if (clicks)
        runClick(ClickSource::MouseRelease);
}

void OwnerDrawnButton::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit DoubleClick(m_lastMouseButton);
    // The second press of a double click presses as a left press does.
    if (m_lastMouseButton == 1)
        pressLeft();
    emit MouseDown(1, 0, at.x(), at.y());
    emit Pressed();
    // Its release clicks nothing.
    m_doubleClickRelease = true;
}

void OwnerDrawnButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_hoverTracking && isUnderPointer(event->globalPosition().toPoint()))
        startHover(event->buttons().testFlag(Qt::LeftButton));
    const QPoint at = event->position().toPoint();
    emit MouseMove(heldButtonsOf(event->buttons()), shiftStateOf(event->modifiers()), at.x(),
                   at.y());
}

void OwnerDrawnButton::runClick(ClickSource source) {
    if (m_lastMouseButton != 1)
        return;
    if (Mode() == 1) {
        setValue(!Value());
    } else if (Mode() == 2) {
        if (Value())
            return;
        setValue(true);
    }
    emit Click();
    if (source == ClickSource::WithoutMouse)
        emit Pressed();
}

bool OwnerDrawnButton::isUnderPointer(QPoint global) const {
    return QApplication::widgetAt(global) == this;
}

void OwnerDrawnButton::startHover(bool leftHeld) {
    m_over = true;
    emit MouseOnButton(true);
    m_hoverTimer->start();
    m_hoverTracking = true;
    m_delayDrawing = false;
    if (leftHeld)
        m_mouseHeld = true;
    redraw();
    updateCustomClickMove();
}

void OwnerDrawnButton::hoverTick() {
    if (isUnderPointer(QCursor::pos()))
        return;
    m_hoverTimer->stop();
    m_over = false;
    m_hoverTracking = false;
    m_delayDrawing = false;
    emit MouseOnButton(false);
    m_mouseHeld = false;
    redraw();
    updateCustomClickMove();
}

void OwnerDrawnButton::keyPressEvent(QKeyEvent* event) {
    const int code = keyCodeOf(event->key());
    if (isArrowKeyCode(code)) {
        forwardArrow(event);
        return;
    }
    // Enter presses a focused command button; check and option buttons leave it to the
    // window's default button.
    if (code == keyEnter && isPlain(event) && Mode() == 0) {
        if (!event->isAutoRepeat())
            accessKeyPress(keyEnter);
        return;
    }
    if (code == keySpace && !m_pressed) {
        m_pressed = true;
        m_pressedByKey = true;
        m_mouseHeld = true;
        redraw();
        updateCustomClickMove();
    }
    if (code != 0)
        emit KeyDown(code, shiftStateOf(event->modifiers()));
    if (!event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
    event->setAccepted(code == keySpace);
}

void OwnerDrawnButton::keyReleaseEvent(QKeyEvent* event) {
    // Held keys repeat their press only.
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    int code = keyCodeOf(event->key());
    const int shift = shiftStateOf(event->modifiers());
    m_mouseHeld = false;
    if (code == keySpace && m_pressed) {
        m_pressed = false;
        m_pressedByKey = false;
        m_lastMouseButton = 1;
        redraw();
        updateCustomClickMove();
        // A check or option button reports the key before the click, a command button after.
        if (Mode() != 0) {
            emit KeyUp(code, shift);
            code = 0;
        }
        runClick(ClickSource::WithoutMouse);
    } else if (isArrowKeyCode(code)) {
        code = 0;
        // The arrow that moved the focus here selects this option.
        if (Mode() == 2 && !Value()) {
            m_lastMouseButton = 1;
            runClick(ClickSource::WithoutMouse);
        }
    } else if (code == keyShift) {
        code = 0;
    }
    if (code != 0)
        emit KeyUp(code, shift);
    event->setAccepted(code == 0);
}

void OwnerDrawnButton::forwardArrow(QKeyEvent* event) {
    if (QWidget* container = parentWidget()) {
        QKeyEvent forwarded(event->type(), event->key(), event->modifiers(), event->text(),
                            event->isAutoRepeat());
        forwarded.setAccepted(false);
        QCoreApplication::sendEvent(container, &forwarded);
        if (forwarded.isAccepted())
            return;
    }
    // No container took it: the arrow moves the focus, as in a dialog.
    focusNextPrevChild(event->key() == Qt::Key_Right || event->key() == Qt::Key_Down);
}

void OwnerDrawnButton::accessKeyPress(int keyCode) {
    if (!isEnabled())
        return;
    // Enter and Escape are a command button's only.
    if ((keyCode == keyEnter || keyCode == keyEscape) && Mode() != 0)
        return;
    m_lastMouseButton = 1;
    runClick(ClickSource::WithoutMouse);
}

void OwnerDrawnButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Tabbing into a group where nothing is selected selects the option with the focus.
    if (Mode() == 2 && !Value() && !(m_group && m_group->anySelected())) {
        m_lastMouseButton = 1;
        runClick(ClickSource::WithoutMouse);
    }
    redraw();
}

void OwnerDrawnButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    redraw();
}

bool OwnerDrawnButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Shortcut: {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() != m_shortcutId)
            break;
        if (isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            // Two buttons with one access key: the key moves the focus between them.
            if (!shortcut->isAmbiguous())
                accessKeyPress(accessKeyOf(Caption()).toUpper().unicode());
        }
        return true;
    }
    case QEvent::ParentChange:
        // Layouts reparent their widgets: the option group and the dialog follow.
        readContainer();
        if (Mode() == 2) {
            leaveGroup();
            joinGroup();
        }
        routeDialogKeys();
        break;
    case QEvent::Show:
        updateDefaultLook();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool OwnerDrawnButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_routedWindow && event->type() == QEvent::KeyPress && isEnabled() &&
        isVisible() && Mode() == 0) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = keyCodeOf(key->key());
        if (isPlain(key) &&
            ((code == keyEnter && m_isDefault) || (code == keyEscape && m_isCancel))) {
            if (!key->isAutoRepeat())
                accessKeyPress(code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OwnerDrawnButton::routeDialogKeys() {
    QWidget* target = (m_isDefault || m_isCancel) && window() != this ? window() : nullptr;
    if (target == m_routedWindow)
        return;
    if (m_routedWindow)
        m_routedWindow->removeEventFilter(this);
    m_routedWindow = target;
    if (target)
        target->installEventFilter(this);
}

bool OwnerDrawnButton::markedDefault() const {
    if (Mode() != 0 || !isEnabled())
        return false;
    // A focused command button is the one Enter presses; else the window's default one.
    QWidget* focus = window()->focusWidget();
    if (focus == this)
        return true;
    const auto* focusedButton = qobject_cast<OwnerDrawnButton*>(focus);
    return m_isDefault && !(focusedButton && focusedButton->Mode() == 0);
}

void OwnerDrawnButton::updateDefaultLook() {
    const bool defaultLook = markedDefault() && ShowFocusRect();
    if (defaultLook == m_defaultLook)
        return;
    m_defaultLook = defaultLook;
    redraw();
}

void OwnerDrawnButton::updateCustomClickMove() {
    const bool moves = Mode() == 0 && m_properties.customShape() && isEnabled() && m_pressed &&
                       (m_over || m_pressedByKey);
    const QPoint offset = moves ? customClickOffset(CustomClick()) : QPoint();
    if (offset == m_movedBy)
        return;
    move(pos() - m_movedBy + offset);
    m_movedBy = offset;
}

} // namespace tidecopy
