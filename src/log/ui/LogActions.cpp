#include "log/ui/LogActions.h"

#include "widgets/Commands.h"

namespace tidecopy {

LogActions::LogActions(QAction* verifyBackup, QWidget* parent)
    : MenuCommands(parent)
    , m_open(makeCommand(this, "Open...", false))
    , m_save(makeCommand(this, "Save...", false))
    , m_print(makeCommand(this, "Print", false))
    , m_new(makeCommand(this, "New", false))
    , m_find(makeCommand(this, "Find...", false)) {
    setMenu(makeNumberedMenu(parent, "mnuLogOption", "mnuLogOptions",
                             {{10, m_open},
                              {20, m_save},
                              {30, m_print},
                              {35},
                              {40, m_new},
                              {45},
                              {50, m_find},
                              {55},
                              {60, verifyBackup},
                              {80},
                              {90, makeCommand(this, "Expand/Restore Log View", false)},
                              {999},
                              {1000, makeCommand(this, "Exit Menu")}}));
}

} // namespace tidecopy
