#pragma once

#include <chrono>
#include <cstdint>

namespace tidecopy {

// A calendar date and time of day in the local time zone.
struct LocalDateTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The time as the core sees it; tests inject a fixed or stepping clock.
class Clock {
public:
    virtual ~Clock() = default;

    // Wall-clock date and time in the local time zone (dates in file names and log lines).
    virtual LocalDateTime localNow() const = 0;
    // A moment (nanoseconds since the Unix epoch, UTC; a file's time) in the local time zone.
    virtual LocalDateTime localTimeOf(std::int64_t nsSinceEpoch) const = 0;
    // A counter that never jumps or wraps at midnight (elapsed and remaining times).
    virtual std::chrono::steady_clock::time_point steadyNow() const = 0;
};

// The operating system's clock.
class SystemClock final : public Clock {
public:
    LocalDateTime localNow() const override;
    LocalDateTime localTimeOf(std::int64_t nsSinceEpoch) const override;
    std::chrono::steady_clock::time_point steadyNow() const override;
};

} // namespace tidecopy
