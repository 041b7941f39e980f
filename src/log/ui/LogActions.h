#pragma once

#include "widgets/MenuCommands.h"

namespace tidecopy {

// The commands on the activity log (open, save, print, new, find, expand the view) and
// the log menu mnuLogOption that shows them; the log frame's buttons show them too.
// The commands come with their own issue: present and disabled. The menu also shows the
// window's verify of a backup, whose report goes into the log.
class LogActions : public MenuCommands {
    Q_OBJECT
public:
    LogActions(QAction* verifyBackup, QWidget* parent);

    QAction* open() const { return m_open; }
    QAction* save() const { return m_save; }
    QAction* print() const { return m_print; }
    QAction* newLog() const { return m_new; }
    QAction* find() const { return m_find; }

private:
    QAction* m_open;
    QAction* m_save;
    QAction* m_print;
    QAction* m_new;
    QAction* m_find;
};

} // namespace tidecopy
