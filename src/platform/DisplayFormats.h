#pragma once

#include "platform/Clock.h"

#include <ctime>
#include <functional>
#include <string>

namespace tidecopy {

// "2026-12-06 17:59:38": a date and time where no locale says how to write it.
std::string isoDateTimeText(const LocalDateTime& moment);

// The C library's calendar time of a local moment, its weekday filled in.
std::tm calendarTimeOf(const LocalDateTime& moment);

// How the texts a user reads write numbers, dates and times for the user's locale. The
// window fills it from the toolkit's locale, the command line from the C library's;
// tests keep the defaults.
struct DisplayFormats {
    std::string thousandsSeparator = ",";
    // A local date and time as the locale's general date: its short date, a blank and its
    // time with seconds. The log's dates and the panes' file dates both use it.
    std::function<std::string(const LocalDateTime&)> generalDate = isoDateTimeText;
};

// The formats of the C library's locale of that name; "" names the locale the
// environment chooses (LC_ALL, LC_TIME, LANG). A locale that is not installed gives the
// defaults.
DisplayFormats localeDisplayFormats(const char* localeName = "");

} // namespace tidecopy
