#pragma once

#include "platform/DisplayFormats.h"

#include <QString>

class QTime;

namespace tidecopy {

// Numbers, dates and times as the toolkit's default locale writes them (the system's,
// unless a test sets another).
DisplayFormats systemDisplayFormats();

// The time of day with seconds in the locale's format (the clock, file and log dates).
QString timeWithSeconds(const QTime& time);

} // namespace tidecopy
