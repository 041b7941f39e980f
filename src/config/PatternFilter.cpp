#include "config/PatternFilter.h"

#include "config/FolderHistory.h"

#include <algorithm>

namespace tidecopy {

bool addPatternIfNew(PatternCombo& cmbPattern) {
    if (cmbPattern.text.empty())
        return false;
    // Histories and patterns share one rule for "the same text".
    const bool known =
        std::any_of(cmbPattern.items.begin(), cmbPattern.items.end(), [&](const std::string& item) {
            return sameHistoryEntry(item, cmbPattern.text);
        });
    if (known)
        return false;
    cmbPattern.items.insert(cmbPattern.items.begin(), cmbPattern.text);
    return true;
}

} // namespace tidecopy
