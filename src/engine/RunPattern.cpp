#include "engine/RunPattern.h"

#include <algorithm>

namespace tidecopy {

namespace {
constexpr std::size_t shortestPattern = 4;
}

std::string filterTextForRun(std::string_view cmbPatternText) {
    const bool onlyBlanks =
        std::all_of(cmbPatternText.begin(), cmbPatternText.end(), [](char c) { return c == ' '; });
    return onlyBlanks ? "*.*" : std::string(cmbPatternText);
}

std::string runPatternOf(std::string_view cmbPatternText) {
    std::string withoutBlanks(cmbPatternText);
    std::erase(withoutBlanks, ' ');
    std::string pattern(cmbPatternText);
    if (const auto bracket = withoutBlanks.find('['); bracket != std::string::npos)
        pattern = withoutBlanks.substr(0, bracket);
    if (pattern.size() < shortestPattern)
        pattern = "*.*";
    return pattern;
}

} // namespace tidecopy
