#include "platform/DisplayFormats.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <ctime>

namespace tidecopy {

namespace {

std::string localeInfo(const wchar_t* locale, LCTYPE item) {
    wchar_t text[32] = {};
    if (::GetLocaleInfoEx(locale, item, text, 32) <= 1)
        return {};
    return narrowed(text);
}

// "de_DE.UTF-8" as Windows names it: "de-DE". "" is the user's own locale.
std::wstring windowsLocaleName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    for (char& c : base)
        if (c == '_')
            c = '-';
    return widened(base);
}

} // namespace

// The C locale keeps the C runtime's short date and time, as on POSIX; another locale is
// the regional settings' short date and time of that name ("" the user's own).
DisplayFormats localeDisplayFormats(const char* localeName) {
    DisplayFormats formats;
    const std::string name = localeName;
    if (name == "C" || name == "POSIX") {
        formats.generalDate = [](const LocalDateTime& moment) {
            const std::tm time = calendarTimeOf(moment);
            char text[128];
            const std::size_t length = std::strftime(text, sizeof text, "%x %X", &time);
            return length > 0 ? std::string(text, length) : isoDateTimeText(moment);
        };
        return formats;
    }
    const std::wstring locale = name.empty() ? std::wstring() : windowsLocaleName(name);
    const wchar_t* const chosen = name.empty() ? LOCALE_NAME_USER_DEFAULT : locale.c_str();
    if (!name.empty() && !::IsValidLocaleName(chosen))
        return formats;
    if (const std::string separator = localeInfo(chosen, LOCALE_STHOUSAND); !separator.empty())
        formats.thousandsSeparator = separator;
    formats.generalDate = [locale, useDefault = name.empty()](const LocalDateTime& moment) {
        const wchar_t* const where = useDefault ? LOCALE_NAME_USER_DEFAULT : locale.c_str();
        SYSTEMTIME time{};
        time.wYear = static_cast<WORD>(moment.year);
        time.wMonth = static_cast<WORD>(moment.month);
        time.wDay = static_cast<WORD>(moment.day);
        time.wHour = static_cast<WORD>(moment.hour);
        time.wMinute = static_cast<WORD>(moment.minute);
        time.wSecond = static_cast<WORD>(moment.second);
        wchar_t date[80] = {}, clock[80] = {};
        if (::GetDateFormatEx(where, DATE_SHORTDATE, &time, nullptr, date, 80, nullptr) == 0 ||
            ::GetTimeFormatEx(where, 0, &time, nullptr, clock, 80) == 0)
            return isoDateTimeText(moment);
        return narrowed(date) + ' ' + narrowed(clock);
    };
    return formats;
}

} // namespace tidecopy
