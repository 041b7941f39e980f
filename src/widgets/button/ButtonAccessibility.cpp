#include "widgets/button/ButtonAccessibility.h"

#include "widgets/button/ButtonCaption.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QAccessibleWidget>

namespace tidecopy {

namespace {

class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(OwnerDrawnButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::Role role() const override {
        switch (button()->Mode()) {
        case 1:
            return QAccessible::CheckBox;
        case 2:
            return QAccessible::RadioButton;
        default:
            return QAccessible::Button;
        }
    }

    QString text(QAccessible::Text kind) const override {
        // A name the window gave (a picture-only button's) wins over the caption.
        if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
            return spokenCaption(button()->Caption());
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (button()->Mode() != 0) {
            state.checkable = true;
            state.checked = button()->Value();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (!button()->isEnabled())
            return names;
        names.prepend(button()->Mode() == 1 ? toggleAction() : pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (button()->isEnabled() && (name == pressAction() || name == toggleAction()))
            button()->accessKeyPress(0);
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        const QChar key = accessKeyOf(button()->Caption());
        if ((name == pressAction() || name == toggleAction()) && !key.isNull())
            return {QStringLiteral("Alt+") + key.toUpper()};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    OwnerDrawnButton* button() const { return static_cast<OwnerDrawnButton*>(widget()); }
};

QAccessibleInterface* buttonAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(OwnerDrawnButton::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new ButtonAccessible(static_cast<OwnerDrawnButton*>(object));
    return nullptr;
}

} // namespace

void installButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(buttonAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tidecopy
