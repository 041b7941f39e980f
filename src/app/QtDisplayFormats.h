#pragma once

#include "panes/DisplayFormats.h"

#include <QString>

class QTime;

namespace tidecopy {

// Numbers and dates as the user's locale writes them.
DisplayFormats systemDisplayFormats();

// The time of day with seconds in the locale's format (the clock, file dates).
QString timeWithSeconds(const QTime& time);

} // namespace tidecopy
