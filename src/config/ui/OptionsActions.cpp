#include "config/ui/OptionsActions.h"

#include "widgets/Commands.h"

#include <QMenu>

namespace tidecopy {

OptionsActions::OptionsActions(QWidget* parent)
    : QObject(parent)
    , m_optionsAndSettings(
          makeCommand(this, "Options and Settings...", false, "More Options and settings"))
    , m_menu(makeNumberedMenu(
          parent, "mnuOptionOption", "mnuOptionOptions",
          {{10, m_optionsAndSettings}, {20}, {30, makeCommand(this, "Exit Menu")}})) {}

void OptionsActions::popUpMenu(const QPoint& at) {
    m_menu->popup(at);
}

} // namespace tidecopy
