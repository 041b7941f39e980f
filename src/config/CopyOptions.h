#pragma once

#include "config/MainState.h"

namespace tidecopy {

class Prompts;

// Warns when Copy Files Conditionally has neither condition checked; checks nothing
// itself. Answers whether it warned (the window then moves the focus to chkOnlyNewFiles).
bool checkOptions(const MainState& state, Prompts& prompts);

} // namespace tidecopy
