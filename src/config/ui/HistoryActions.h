#pragma once

#include "config/HistoryCommands.h"
#include "config/Pane.h"
#include "widgets/MenuCommands.h"

#include <system_error>

namespace tidecopy {

class Panes;
class Prompts;
struct MainState;

// The folder history commands: choosing an entry of a pane's history, and the history
// menu mnuHistoryOption with "Clear History" (10) and "Remove Selected Item from
// History" (20), acting on the history whose menu icon was pressed last.
class HistoryActions : public MenuCommands {
    Q_OBJECT
public:
    // phase is the window's: a history entry that cannot be opened is worded after it.
    HistoryActions(MainState& state, Panes& panes, Prompts& prompts, const StartUpPhase& phase,
                   QWidget* parent);

    // Readies the menu for a pane's history without showing it (what Image9 does first).
    void prepare(Pane pane);
    void popUpMenuOf(Pane pane, const QPoint& at);
    // The selected entry of a pane's history was chosen: the pane moves to it.
    std::error_code choose(Pane pane);

signals:
    // The histories of the main state changed: their lists show them again.
    void historiesChanged();

private:
    void clear();
    void removeSelected();

    MainState& m_state;
    Panes& m_panes;
    Prompts& m_prompts;
    const StartUpPhase& m_phase;
    Pane m_active = Pane::Source;
    QAction* m_clear;
    QAction* m_remove;
};

} // namespace tidecopy
