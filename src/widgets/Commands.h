#pragma once

#include <QString>
#include <initializer_list>

class QAction;
class QMenu;
class QObject;
class QPoint;
class QWidget;

namespace tidecopy {

class OwnerDrawnButton;

// A command of the window: a named action with its text, tool tip (empty for none) and
// enabled state, owned by the handler of its subsystem. Menus and buttons show it.
QAction* makeCommand(QObject* owner, const QString& text, bool enabled = true,
                     const QString& toolTip = {});

// One item of a menu the product numbers: a command, or a separator when action is null.
struct NumberedItem {
    int number;
    QAction* action = nullptr;
};

// A menu named after its control ("mnuFileOption") whose items carry their number as
// data and are named after their array and number ("mnuFileOptions(40)").
QMenu* makeNumberedMenu(QWidget* parent, const char* menuName, const char* itemArray,
                        std::initializer_list<NumberedItem> items);

// The item of a menu by its number; nullptr when there is none.
QAction* menuItem(QMenu* menu, int number);

// What a button acts on: the press itself (the mouse going down, or a press without the
// mouse), or a completed click.
enum class ButtonTrigger { Press, Click };

// A push button of the program's windows: a text button named after its control.
OwnerDrawnButton* makeTextButton(const QString& name, const QString& caption, QWidget* parent);

// A button that shows and triggers a command: it is enabled while the command is, takes
// the command's text as its caption unless given one and its tool tip when it has one.
OwnerDrawnButton* makeCommandButton(QAction* command, const QString& name, QWidget* parent,
                                    ButtonTrigger trigger = ButtonTrigger::Press,
                                    const QString& caption = {});

} // namespace tidecopy
