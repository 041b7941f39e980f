#pragma once

#include "log/LogCommands.h"
#include "log/LogSearch.h"
#include "log/ui/FindDialog.h"
#include "widgets/MenuCommands.h"

#include <QPointer>

namespace tidecopy {

class LogPanel;

// The commands on the activity log (open, save, print, new, find, expand the view) and
// the log menu mnuLogOption that shows them; the log frame's buttons show them too.
// Their rules are the core's LogCommands and LogSearch; expanding is LogExpansion's. The
// menu also shows the window's verify of a backup, whose report goes into the log.
class LogActions : public MenuCommands {
    Q_OBJECT
public:
    LogActions(LogCommandsContext context, QAction* verifyBackup, QWidget* window);

    // The frame whose caption, view and place the commands use.
    void showIn(LogPanel& panel);

    QAction* open() const { return m_open; }
    QAction* save() const { return m_save; }
    QAction* print() const { return m_print; }
    QAction* newLog() const { return m_new; }
    QAction* find() const { return m_find; }
    QAction* expand() const { return m_expand; }
    QAction* exitMenu() const { return m_exitMenu; }

    const LogCommands& commands() const { return m_commands; }
    // frmFind while it is open.
    FindDialog* findDialog() const { return m_findDialog; }

private:
    // The user's pending edits are part of the log a command works on.
    void takeEdits();
    void showCaption(const std::optional<std::string>& caption);
    void showFindDialog();

    LogCommands m_commands;
    LogSearch m_search;
    QWidget* m_window;
    LogPanel* m_panel = nullptr;
    QPointer<FindDialog> m_findDialog;
    QAction* m_open;
    QAction* m_save;
    QAction* m_print;
    QAction* m_new;
    QAction* m_find;
    QAction* m_expand;
    QAction* m_exitMenu;
};

} // namespace tidecopy
