#include "platform/DisplayFormats.h"

#include <cstdio>
#include <ctime>

namespace tidecopy {

std::string isoDateTimeText(const LocalDateTime& moment) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return text;
}

std::tm calendarTimeOf(const LocalDateTime& moment) {
    std::tm time{};
    time.tm_year = moment.year - 1900;
    time.tm_mon = moment.month - 1;
    time.tm_mday = moment.day;
    time.tm_hour = moment.hour;
    time.tm_min = moment.minute;
    time.tm_sec = moment.second;
    time.tm_isdst = -1;
    // Fills in the weekday a locale's date may name.
    std::tm normalised = time;
    if (std::mktime(&normalised) != static_cast<std::time_t>(-1))
        return normalised;
    return time;
}

} // namespace tidecopy
