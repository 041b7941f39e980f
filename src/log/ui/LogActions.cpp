#include "log/ui/LogActions.h"

#include "log/ui/FindDialog.h"
#include "log/ui/LogPanel.h"
#include "log/ui/LogView.h"
#include "widgets/Commands.h"

#include <QAction>

namespace tidecopy {

LogActions::LogActions(LogCommandsContext context, QAction* verifyBackup, QWidget* window)
    : MenuCommands(window)
    , m_commands(context)
    , m_search(context.prompts,
               [](std::u16string_view text) {
                   return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()))
                       .toCaseFolded()
                       .toStdU16String();
               })
    , m_window(window)
    , m_open(makeCommand(this, "Open..."))
    , m_save(makeCommand(this, "Save..."))
    , m_print(makeCommand(this, "Print"))
    , m_new(makeCommand(this, "New"))
    , m_find(makeCommand(this, "Find..."))
    , m_expand(makeCommand(this, "Expand/Restore Log View"))
    , m_exitMenu(makeCommand(this, "Exit Menu")) {
    // An item number below 90 is command number / 10 - 1 of cmdLogoption.
    setMenu(makeNumberedMenu(window, "mnuLogOption", "mnuLogOptions",
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
                              {90, m_expand},
                              {999},
                              {1000, m_exitMenu}}));
    connect(m_open, &QAction::triggered, this, [this] {
        // An edit still waiting would otherwise land on the opened text.
        takeEdits();
        showCaption(m_commands.openLog());
        m_panel->view()->moveCursor(QTextCursor::Start);
    });
    connect(m_save, &QAction::triggered, this, [this] {
        takeEdits();
        showCaption(m_commands.saveLog());
    });
    connect(m_print, &QAction::triggered, this, [this] {
        takeEdits();
        m_commands.printLog();
    });
    connect(m_new, &QAction::triggered, this, [this] {
        takeEdits();
        showCaption(m_commands.newLog());
    });
    connect(m_find, &QAction::triggered, this, &LogActions::showFindDialog);
}

void LogActions::showIn(LogPanel& panel) {
    m_panel = &panel;
}

void LogActions::takeEdits() {
    m_panel->view()->flushEdits();
}

void LogActions::showCaption(const std::optional<std::string>& caption) {
    if (!caption)
        return;
    m_panel->setCaption(QString::fromStdString(*caption));
}

void LogActions::showFindDialog() {
    takeEdits();
    if (!m_findDialog) {
        m_findDialog = new FindDialog(m_search, *m_panel->view(), m_window);
        m_findDialog->placeBeside(*m_panel);
    }
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

} // namespace tidecopy
