#include "config/HistoryCommands.h"

#include "platform/Errors.h"

namespace tidecopy {

HistoryCombo& historyOf(MainState& state, Pane history) {
    return history == Pane::Source ? state.cmbSourceHistory : state.cmbTargetHistory;
}

bool canRemoveSelectedEntry(const HistoryCombo& history) {
    return history.selected >= 0 && history.selected < static_cast<int>(history.items.size());
}

void clearHistory(MainState& state, Pane history) {
    HistoryCombo& combo = historyOf(state, history);
    combo.items.clear();
    combo.selected = -1;
}

void removeSelectedHistoryEntry(MainState& state, Pane history) {
    HistoryCombo& combo = historyOf(state, history);
    if (!canRemoveSelectedEntry(combo))
        return;
    combo.items.erase(combo.items.begin() + combo.selected);
    combo.selected = -1;
}

HistoryErrorMessage historyErrorMessage(const std::string& driveText, std::error_code error,
                                        StartUpPhase phase) {
    std::string text = "Could not access drive " + driveText;
    if (phase == StartUpPhase::Loading)
        text += " during recall of last used folders.\r\n\r\nPlease select another drive.";
    else
        text += "\r\n\r\n" + describeError(error);
    return {"Error reading drive. Err Nr:" + std::to_string(error.value()), std::move(text)};
}

} // namespace tidecopy
