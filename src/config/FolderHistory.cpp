#include "config/FolderHistory.h"

#include <algorithm>

namespace tidecopy {

namespace {

void addFolder(HistoryCombo& history, const std::string& folder, const PathStyle& style) {
    const bool known =
        std::any_of(history.items.begin(), history.items.end(),
                    [&](const std::string& entry) { return style.sameName(entry, folder); });
    if (known)
        return;
    history.items.insert(history.items.begin(), folder);
    // The selection keeps naming the same entry.
    if (history.selected >= 0)
        ++history.selected;
}

} // namespace

void AddToHistory(MainState& state, const PathStyle& style) {
    addFolder(state.cmbSourceHistory, state.Dir1, style);
    addFolder(state.cmbTargetHistory, state.Dir2, style);
}

} // namespace tidecopy
