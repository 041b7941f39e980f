#include "platform/DisplayFormats.h"

#include <clocale>
#include <ctime>
#include <langinfo.h>
#include <memory>
#include <type_traits>

namespace tidecopy {

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
