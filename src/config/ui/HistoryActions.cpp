#include "config/ui/HistoryActions.h"

#include "panes/FolderChoice.h"
#include "widgets/Commands.h"

#include <QAction>

namespace tidecopy {

HistoryActions::HistoryActions(MainState& state, Panes& panes, Prompts& prompts,
                               const StartUpPhase& phase, QWidget* parent)
    : MenuCommands(parent)
    , m_state(state)
    , m_panes(panes)
    , m_prompts(prompts)
    , m_phase(phase)
    , m_clear(makeCommand(this, "Clear History"))
    , m_remove(makeCommand(this, "Remove Selected Item from History")) {
    setMenu(makeNumberedMenu(
        parent, "mnuHistoryOption", "mnuHistoryOptions",
        {{10, m_clear}, {20, m_remove}, {999}, {1000, makeCommand(this, "Exit menu")}}));
    connect(m_clear, &QAction::triggered, this, &HistoryActions::clear);
    connect(m_remove, &QAction::triggered, this, &HistoryActions::removeSelected);
}

void HistoryActions::prepare(Pane pane) {
    m_active = pane;
    m_remove->setEnabled(canRemoveSelectedEntry(historyOf(m_state, pane)));
}

void HistoryActions::popUpMenuOf(Pane pane, const QPoint& at) {
    prepare(pane);
    popUpMenu(at);
}

std::error_code HistoryActions::choose(Pane pane) {
    m_active = pane;
    return chooseHistoryEntry(m_panes, m_state, m_prompts, pane, m_phase);
}

void HistoryActions::clear() {
    clearHistory(m_state, m_active);
    emit historiesChanged();
}

void HistoryActions::removeSelected() {
    removeSelectedHistoryEntry(m_state, m_active);
    emit historiesChanged();
}

} // namespace tidecopy
