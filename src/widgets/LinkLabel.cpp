#include "widgets/LinkLabel.h"

#include "widgets/ControlNaming.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tidecopy {

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<LinkLabel*>(widget())->activate();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* linkAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(linkAccessibleFactory);
        return true;
    }();
    (void)installed;
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
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace tidecopy
