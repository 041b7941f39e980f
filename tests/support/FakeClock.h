#pragma once

#include "platform/Clock.h"

#include <chrono>

namespace tidecopy::test {

// A clock that stands still until a test moves it. Its local time zone is UTC.
class FakeClock : public Clock {
public:
    FakeClock() = default;
    explicit FakeClock(const LocalDateTime& local)
        : m_local(local) {}

    LocalDateTime localNow() const override { return m_local; }
    LocalDateTime localTimeOf(std::int64_t nsSinceEpoch) const override {
        using namespace std::chrono;
        const sys_seconds moment = floor<seconds>(sys_time<nanoseconds>(nanoseconds(nsSinceEpoch)));
        const sys_days day = floor<days>(moment);
        const year_month_day date(day);
        const hh_mm_ss time(moment - day);
        return {static_cast<int>(date.year()),
                static_cast<int>(static_cast<unsigned>(date.month())),
                static_cast<int>(static_cast<unsigned>(date.day())),
                static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count())};
    }
    std::chrono::steady_clock::time_point steadyNow() const override { return m_steady; }

    void setLocal(const LocalDateTime& moment) { m_local = moment; }
    void advance(std::chrono::nanoseconds step) { m_steady += step; }

private:
    LocalDateTime m_local{2026, 12, 6, 10, 0, 0};
    std::chrono::steady_clock::time_point m_steady{};
};

} // namespace tidecopy::test
