#include "engine/RunPattern.h"

#include <algorithm>

namespace tidecopy {

namespace {

bool onlyBlanks(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

} // namespace

std::string filterTextForRun(std::string_view cmbPatternText) {
    return onlyBlanks(cmbPatternText) ? "*.*" : std::string(cmbPatternText);
}

std::string runPatternOf(std::string_view cmbPatternText) {
    std::string withoutBlanks(cmbPatternText);
    std::erase(withoutBlanks, ' ');
    std::string pattern(cmbPatternText);
    if (const auto bracket = withoutBlanks.find('['); bracket != std::string::npos)
        pattern = withoutBlanks.substr(0, bracket);
    // Short patterns ("*.c", "a*") are patterns all the same; only nothing means all.
    if (onlyBlanks(pattern))
        pattern = "*.*";
    return pattern;
}

} // namespace tidecopy
