#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

namespace tidecopy {

// What a screen reader sees of a widget that acts like a button without being one: the
// given kind (role), and a press action (while the widget is enabled) that calls press.
template <typename Widget, QAccessible::Role kind, void (Widget::*press)()>
class PressableAccessible : public QAccessibleWidget {
public:
    explicit PressableAccessible(Widget* widget)
        : QAccessibleWidget(widget, kind) {}

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled())
            (static_cast<Widget*>(widget())->*press)();
        else
            QAccessibleWidget::doAction(name);
    }

    // Registers the interface for every widget of the class, once; call it from the
    // class's constructor.
    static void install() {
        static const bool installed = [] {
            QAccessible::installFactory(&factory);
            return true;
        }();
        (void)installed;
    }

private:
    static QAccessibleInterface* factory(const QString& className, QObject* object) {
        if (className == QLatin1String(Widget::staticMetaObject.className()) && object &&
            object->isWidgetType())
            return new PressableAccessible(static_cast<Widget*>(object));
        return nullptr;
    }
};

} // namespace tidecopy
