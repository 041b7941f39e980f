#include "config/ui/OptionsActions.h"

#include "widgets/Commands.h"

namespace tidecopy {

OptionsActions::OptionsActions(QWidget* parent)
    : MenuCommands(parent)
    , m_optionsAndSettings(
          makeCommand(this, "Options and Settings...", false, "More Options and settings")) {
    setMenu(
        makeNumberedMenu(parent, "mnuOptionOption", "mnuOptionOptions",
                         {{10, m_optionsAndSettings}, {20}, {30, makeCommand(this, "Exit Menu")}}));
}

} // namespace tidecopy
