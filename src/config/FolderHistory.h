#pragma once

#include "config/MainState.h"

#include <string_view>

namespace tidecopy {

// True when two folder texts name the same history entry: letters compare without
// regard to case.
bool sameHistoryEntry(std::string_view a, std::string_view b);

// After a successful backup: each pane's folder goes to the front of its history unless
// the history holds it already (then it stays where it is).
void AddToHistory(MainState& state);

} // namespace tidecopy
