#pragma once

#include "config/MainState.h"

namespace tidecopy {

// The filter box after a click on its list, Enter or the loss of focus: a text that no
// item matches (letters compared without regard to case) becomes the first item. An
// empty text adds nothing. Answers whether an item was added.
bool addPatternIfNew(PatternCombo& cmbPattern);

} // namespace tidecopy
