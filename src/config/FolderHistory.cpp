#include "config/FolderHistory.h"

#include <algorithm>
#include <cctype>

namespace tidecopy {

namespace {

void addFolder(HistoryCombo& history, const std::string& folder) {
    const bool known =
        std::any_of(history.items.begin(), history.items.end(),
                    [&](const std::string& entry) { return sameHistoryEntry(entry, folder); });
    if (known)
        return;
    history.items.insert(history.items.begin(), folder);
    // The selection keeps naming the same entry.
    if (history.selected >= 0)
        ++history.selected;
}

} // namespace

bool sameHistoryEntry(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

void AddToHistory(MainState& state) {
    addFolder(state.cmbSourceHistory, state.Dir1);
    addFolder(state.cmbTargetHistory, state.Dir2);
}

} // namespace tidecopy
