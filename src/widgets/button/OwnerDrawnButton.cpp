#include "widgets/button/OwnerDrawnButton.h"

#include "widgets/button/ButtonAccessibility.h"
#include "widgets/button/ButtonCaption.h"
#include "widgets/button/CaptionLayout.h"
#include "widgets/button/InputCodes.h"
#include "widgets/button/OptionGroup.h"
#include "widgets/button/StylePainters.h"
#include "widgets/button/SystemColors.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace tidecopy {

namespace {
// How often a button looks whether the pointer has left it.
constexpr int hoverIntervalMs = 50;
} // namespace

OwnerDrawnButton::OwnerDrawnButton(QWidget* parent)
    : QWidget(parent)
    , m_hoverTimer(new QTimer(this)) {
    installButtonAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_hoverTimer->setObjectName("qd_HoverTimer");
    m_hoverTimer->setInterval(hoverIntervalMs);
    connect(m_hoverTimer, &QTimer::timeout, this, &OwnerDrawnButton::hoverTick);
    connect(qApp, &QApplication::focusChanged, this, &OwnerDrawnButton::updateDefaultLook);
    m_properties.Font = font();
    readContainer();
}

OwnerDrawnButton::~OwnerDrawnButton() {
    leaveGroup();
}

void OwnerDrawnButton::setButtonStyle(int style) {
    apply(m_properties.setButtonStyle(style));
}

void OwnerDrawnButton::setMode(int mode) {
    apply(m_properties.setMode(mode));
    updateDefaultLook();
}

void OwnerDrawnButton::setCaption(const QString& caption) {
    apply(m_properties.setCaption(caption));
}

void OwnerDrawnButton::setCaptionAlign(int align) {
    apply(m_properties.setCaptionAlign(align));
}

void OwnerDrawnButton::setCaptionStyle(int style) {
    apply(m_properties.setCaptionStyle(style));
}

void OwnerDrawnButton::setCustomClick(int direction) {
    apply(m_properties.setCustomClick(direction));
}

void OwnerDrawnButton::setButtonShape(int shape) {
    apply(m_properties.setButtonShape(shape));
}

void OwnerDrawnButton::setPicture(const QPixmap& picture) {
    apply(m_properties.setPicture(picture));
}

void OwnerDrawnButton::setPictureAlign(int align) {
    apply(m_properties.setPictureAlign(align));
}

void OwnerDrawnButton::setEnabledState(bool enabled) {
    // The look follows in changeEvent, also when a frame around the button is disabled.
    setEnabled(enabled);
}

void OwnerDrawnButton::setShowFocusRect(bool show) {
    m_properties.ShowFocusRect = show;
    // A running window draws no focus rectangle on its default button.
    m_defaultLook = false;
    redraw();
}

void OwnerDrawnButton::setValue(bool value) {
    apply(m_properties.setValue(value));
}

void OwnerDrawnButton::setPictureSize(int index) {
    apply(m_properties.setPictureSize(index));
}

void OwnerDrawnButton::setMousePointer(int code) {
    apply(m_properties.setMousePointer(code));
}

void OwnerDrawnButton::setMouseIcon(const QPixmap& icon) {
    apply(m_properties.setMouseIcon(icon));
}

void OwnerDrawnButton::setButtonFont(const QFont& font) {
    apply(m_properties.setFont(font));
}

void OwnerDrawnButton::setFontStyle(int bits) {
    apply(m_properties.setFontStyle(bits));
}

void OwnerDrawnButton::setForeColor(uint color) {
    apply(m_properties.setForeColor(color));
}

void OwnerDrawnButton::setBackColor(uint color) {
    apply(m_properties.setBackColor(color));
}

void OwnerDrawnButton::setGradientColor(uint color) {
    apply(m_properties.setGradientColor(color));
}

void OwnerDrawnButton::setGradientMode(int mode) {
    apply(m_properties.setGradientMode(mode));
}

void OwnerDrawnButton::setHoverColorLocks(int locks) {
    apply(m_properties.setHoverColorLocks(locks));
}

void OwnerDrawnButton::setHoverForeColor(uint color) {
    apply(m_properties.setHoverForeColor(color));
}

void OwnerDrawnButton::setHoverBackColor(uint color) {
    apply(m_properties.setHoverBackColor(color));
}

void OwnerDrawnButton::ResetDefaultColors() {
    apply(m_properties.resetDefaultColors());
}

void OwnerDrawnButton::Refresh() {
    m_delayDrawing = false;
    redraw();
}

void OwnerDrawnButton::DelayDrawing(bool delay) {
    m_delayDrawing = delay;
    if (!delay)
        Refresh();
}

void OwnerDrawnButton::setDefault(bool isDefault) {
    m_isDefault = isDefault;
    routeDialogKeys();
    updateDefaultLook();
}

void OwnerDrawnButton::setCancel(bool isCancel) {
    m_isCancel = isCancel;
    routeDialogKeys();
}

ContainerDefaults OwnerDrawnButton::containerDefaults() const {
    return {parentWidget() ? parentWidget()->font() : QApplication::font(), m_containerBackColor};
}

PropertyBag OwnerDrawnButton::writeProperties() const {
    ButtonProperties properties = m_properties;
    properties.Enabled = !testAttribute(Qt::WA_ForceDisabled);
    return storeButtonProperties(properties, containerDefaults());
}

void OwnerDrawnButton::readProperties(const PropertyBag& bag) {
    readContainer();
    m_delayDrawing = true;
    leaveGroup();
    const ContainerDefaults container = containerDefaults();
    m_properties = loadButtonProperties(bag, container);
    // The container's font stays inherited, so the button follows it.
    setFont(m_properties.Font == container.font ? QFont() : m_properties.Font);
    setEnabled(m_properties.Enabled);
    updateCursor();
    updateAccessKey();
    if (m_properties.Mode == 2)
        joinGroup();
    notifyAccessibility(ButtonChange::Caption | ButtonChange::Checked);
    updateDefaultLook();
    m_delayDrawing = false;
    resizeLogic();
}

void OwnerDrawnButton::apply(ButtonChanges changes) {
    if (changes & ButtonChange::LeaveGroup)
        leaveGroup();
    if (changes & ButtonChange::Font)
        setFont(m_properties.Font);
    if (changes & ButtonChange::Cursor)
        updateCursor();
    if (changes & ButtonChange::Caption)
        updateAccessKey();
    if (changes & ButtonChange::Region)
        rebuildOutline();
    if (changes & (ButtonChange::Layout | ButtonChange::Resize))
        updateGeometry();
    if (changes & ButtonChange::Resize)
        resizeLogic();
    if (changes & ButtonChange::JoinGroup)
        joinGroup();
    if ((changes & ButtonChange::ClearGroup) && m_group)
        m_group->clearOthers(this);
    notifyAccessibility(changes);
    if (changes & ButtonChange::Refresh)
        m_delayDrawing = false;
    if (changes &
        (ButtonChange::Redraw | ButtonChange::Colors | ButtonChange::Layout | ButtonChange::Region))
        redraw();
}

void OwnerDrawnButton::redraw() {
    if (!m_delayDrawing)
        update();
}

void OwnerDrawnButton::resizeLogic() {
    const int wanted = widthForShape(m_properties.ButtonShape, size());
    if (wanted != width()) {
        // Comes back here through the resize event.
        resize(wanted, height());
        return;
    }
    rebuildOutline();
    redraw();
}

void OwnerDrawnButton::rebuildOutline() {
    const QImage picture = m_properties.customShape() ? m_properties.Picture.toImage() : QImage();
    m_outline = buildOutline(m_properties.ButtonShape, m_properties.ButtonStyle, size(), picture);
    if (m_outline.window.isEmpty() || m_outline.window == QRegion(rect()))
        clearMask();
    else
        setMask(m_outline.window);
}

void OwnerDrawnButton::readContainer() {
    const QWidget* container = parentWidget() ? parentWidget() : this;
    m_containerBackColor = colorValueOf(container->palette().color(container->backgroundRole()));
}

void OwnerDrawnButton::updateAccessKey() {
    if (m_shortcutId != 0)
        releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    const QChar key = accessKeyOf(m_properties.Caption);
    if (!key.isNull())
        m_shortcutId = grabShortcut(QKeySequence(Qt::ALT | Qt::Key(key.toUpper().unicode())));
}

void OwnerDrawnButton::updateCursor() {
    const int code = m_properties.MousePointer;
    if (code == customMousePointer && !m_properties.MouseIcon.isNull())
        setCursor(QCursor(m_properties.MouseIcon));
    else if (code == 0 || code == customMousePointer)
        unsetCursor();
    else
        setCursor(cursorShapeOf(code));
}

void OwnerDrawnButton::notifyAccessibility(ButtonChanges changes) {
    if (changes & ButtonChange::Caption) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    if (changes & (ButtonChange::Checked | ButtonChange::Role)) {
        QAccessible::State state;
        state.checked = true;
        state.checkable = true;
        QAccessibleStateChangeEvent changed(this, state);
        QAccessible::updateAccessibility(&changed);
    }
}

ButtonLook OwnerDrawnButton::look() const {
    ButtonLook look;
    look.enabled = isEnabled();
    look.focused = hasFocus();
    look.defaultLook = m_defaultLook;
    look.over = m_over;
    look.pressed = m_pressed;
    look.pressedByKey = m_pressedByKey;
    look.mouseHeld = m_mouseHeld;
    return look;
}

QSize OwnerDrawnButton::sizeHint() const {
    return preferredButtonSize(m_properties, fontMetrics());
}

QSize OwnerDrawnButton::minimumSizeHint() const {
    return sizeHint();
}

// Every paint request ends a delay and draws the whole button: off-screen, then shown in
// one step.
void OwnerDrawnButton::paintEvent(QPaintEvent*) {
    m_delayDrawing = false;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_surface.size() != pixels) {
        m_surface = QPixmap(pixels);
        m_surface.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&m_surface);
        const ButtonLook state = look();
        const QSize screenSize = screen() ? screen()->size() : size();
        renderButton(painter, {m_properties, state, m_outline, palette(), m_containerBackColor,
                               size(), screenSize});
    }
    QPainter(this).drawPixmap(0, 0, m_surface);
}

void OwnerDrawnButton::resizeEvent(QResizeEvent*) {
    resizeLogic();
}

void OwnerDrawnButton::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::EnabledChange:
        m_properties.Enabled = isEnabled();
        if (!isEnabled()) {
            m_pressed = m_pressedByKey = m_mouseHeld = false;
            updateCustomClickMove();
        }
        updateDefaultLook();
        redraw();
        break;
    case QEvent::FontChange:
        m_properties.Font = font();
        updateGeometry();
        redraw();
        break;
    case QEvent::PaletteChange:
        // The container's background shows around rounded shapes and in some styles.
        readContainer();
        redraw();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void OwnerDrawnButton::joinGroup() {
    if (!parentWidget())
        return;
    m_group = OptionGroup::of(parentWidget());
    m_group->join(this);
}

void OwnerDrawnButton::leaveGroup() {
    if (m_group)
        m_group->leave(this);
    m_group = nullptr;
}

} // namespace tidecopy
