#pragma once

#include "config/MainState.h"
#include "platform/PathStyle.h"

namespace tidecopy {

// After a successful backup: each pane's folder goes to the front of its history unless
// the history holds it already (then it stays where it is). Folders are the same as the
// path style says: byte for byte on POSIX, letters without regard to case on Windows.
void AddToHistory(MainState& state, const PathStyle& style = PathStyle::native());

} // namespace tidecopy
