#include "platform/Clock.h"

#include <ctime>

namespace tidecopy {

namespace {

LocalDateTime localDateTimeOf(std::time_t seconds) {
    std::tm local{};
    if (::localtime_r(&seconds, &local) == nullptr)
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace

LocalDateTime SystemClock::localNow() const {
    return localDateTimeOf(std::time(nullptr));
}

LocalDateTime SystemClock::localTimeOf(std::int64_t nsSinceEpoch) const {
    const auto seconds =
        std::chrono::floor<std::chrono::seconds>(std::chrono::nanoseconds(nsSinceEpoch));
    return localDateTimeOf(static_cast<std::time_t>(seconds.count()));
}

std::chrono::steady_clock::time_point SystemClock::steadyNow() const {
    return std::chrono::steady_clock::now();
}

} // namespace tidecopy
