#include "config/PatternFilter.h"

#include <algorithm>
#include <cctype>

namespace tidecopy {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

bool addPatternIfNew(PatternCombo& cmbPattern) {
    if (cmbPattern.text.empty())
        return false;
    const bool known =
        std::any_of(cmbPattern.items.begin(), cmbPattern.items.end(), [&](const std::string& item) {
            return sameIgnoringCase(item, cmbPattern.text);
        });
    if (known)
        return false;
    cmbPattern.items.insert(cmbPattern.items.begin(), cmbPattern.text);
    return true;
}

} // namespace tidecopy
