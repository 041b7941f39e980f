#include "log/ui/LogActions.h"

#include "widgets/Commands.h"

#include <QMenu>

namespace tidecopy {

LogActions::LogActions(QWidget* parent)
    : QObject(parent)
    , m_open(makeCommand(this, "Open...", false))
    , m_save(makeCommand(this, "Save...", false))
    , m_print(makeCommand(this, "Print", false))
    , m_new(makeCommand(this, "New", false))
    , m_find(makeCommand(this, "Find...", false))
    , m_expand(makeCommand(this, "Expand/Restore Log View", false))
    , m_menu(makeNumberedMenu(parent, "mnuLogOption", "mnuLogOptions",
                              {{10, m_open},
                               {20, m_save},
                               {30, m_print},
                               {35},
                               {40, m_new},
                               {45},
                               {50, m_find},
                               {80},
                               {90, m_expand},
                               {999},
                               {1000, makeCommand(this, "Exit Menu")}})) {}

void LogActions::popUpMenu(const QPoint& at) {
    m_menu->popup(at);
}

} // namespace tidecopy
