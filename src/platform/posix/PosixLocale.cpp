#include "platform/DisplayFormats.h"

#include <clocale>
#include <ctime>
#include <langinfo.h>
#include <memory>
#include <type_traits>

namespace tidecopy {

namespace {

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

} // namespace

DisplayFormats localeDisplayFormats(const char* localeName) {
    DisplayFormats formats;
    const locale_t opened = ::newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, localeName, locale_t{});
    if (opened == locale_t{})
        return formats;
    // Shared by every copy of the formatter; freed with the last one.
    const std::shared_ptr<std::remove_pointer_t<locale_t>> locale(opened, ::freelocale);
    if (const std::string separator = ::nl_langinfo_l(THOUSEP, opened); !separator.empty())
        formats.thousandsSeparator = separator;
    const std::string pattern =
        std::string(::nl_langinfo_l(D_FMT, opened)) + ' ' + ::nl_langinfo_l(T_FMT, opened);
    formats.generalDate = [locale, pattern](const LocalDateTime& moment) {
        const std::tm time = calendarTimeOf(moment);
        char text[128];
        const std::size_t length =
            ::strftime_l(text, sizeof text, pattern.c_str(), &time, locale.get());
        return length > 0 ? std::string(text, length) : isoDateTimeText(moment);
    };
    return formats;
}

} // namespace tidecopy
