#include "platform/DisplayFormats.h"

#include <cstdio>

namespace tidecopy {

std::string isoDateTimeText(const LocalDateTime& moment) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return text;
}

} // namespace tidecopy
