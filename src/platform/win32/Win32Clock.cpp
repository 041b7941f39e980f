#include "platform/Clock.h"

#include <windows.h>

namespace tidecopy {

LocalDateTime SystemClock::localNow() const {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

LocalDateTime SystemClock::localTimeOf(std::int64_t nsSinceEpoch) const {
    // FILETIME counts 100 ns steps from 1601.
    constexpr std::int64_t ticksTo1970 = 116'444'736'000'000'000;
    const std::int64_t ticks = nsSinceEpoch / 100 + ticksTo1970;
    FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME universal, local;
    if (!::FileTimeToSystemTime(&utc, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return {};
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

std::chrono::steady_clock::time_point SystemClock::steadyNow() const {
    return std::chrono::steady_clock::now();
}

} // namespace tidecopy
