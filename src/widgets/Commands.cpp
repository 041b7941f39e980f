#include "widgets/Commands.h"

#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QAction>
#include <QMenu>

namespace tidecopy {

namespace {
// The tool tip a command was given, not the one the toolkit makes of its text.
constexpr const char* ownToolTip = "tidecopyToolTip";
} // namespace

QAction* makeCommand(QObject* owner, const QString& text, bool enabled, const QString& toolTip) {
    auto* action = new QAction(text, owner);
    action->setEnabled(enabled);
    if (!toolTip.isEmpty()) {
        action->setToolTip(toolTip);
        action->setProperty(ownToolTip, true);
    }
    return action;
}

QMenu* makeNumberedMenu(QWidget* parent, const char* menuName, const char* itemArray,
                        std::initializer_list<NumberedItem> items) {
    auto* menu = new QMenu(parent);
    nameControl(menu, QLatin1String(menuName), QLatin1String(menuName));
    for (const NumberedItem& item : items) {
        QAction* action = item.action;
        if (action)
            menu->addAction(action);
        else
            action = menu->addSeparator();
        action->setObjectName(elementName(itemArray, item.number));
        action->setData(item.number);
    }
    return menu;
}

QAction* menuItem(QMenu* menu, int number) {
    for (QAction* action : menu->actions())
        if (action->data().toInt() == number)
            return action;
    return nullptr;
}

OwnerDrawnButton* makeTextButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new OwnerDrawnButton(parent);
    button->setObjectName(name);
    button->setButtonStyle(OwnerDrawnButton::textButtonStyle);
    button->setCaption(caption);
    return button;
}

OwnerDrawnButton* makeCommandButton(QAction* command, const QString& name, QWidget* parent,
                                    ButtonTrigger trigger, const QString& caption) {
    OwnerDrawnButton* button =
        makeTextButton(name, caption.isEmpty() ? command->text() : caption, parent);
    if (command->property(ownToolTip).toBool())
        button->setToolTip(command->toolTip());
    button->setEnabledState(command->isEnabled());
    QObject::connect(command, &QAction::enabledChanged, button, &OwnerDrawnButton::setEnabledState);
    QObject::connect(button,
                     trigger == ButtonTrigger::Press ? &OwnerDrawnButton::Pressed
                                                     : &OwnerDrawnButton::Click,
                     command, &QAction::trigger);
    return button;
}

} // namespace tidecopy
