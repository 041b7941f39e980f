#include "platform/Clock.h"

#include <windows.h>

namespace tidecopy {

LocalDateTime SystemClock::localNow() const {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::chrono::steady_clock::time_point SystemClock::steadyNow() const {
    return std::chrono::steady_clock::now();
}

} // namespace tidecopy
