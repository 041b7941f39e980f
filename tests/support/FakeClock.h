#pragma once

#include "platform/Clock.h"

#include <chrono>

namespace tidecopy::test {

// A clock that stands still until a test moves it.
class FakeClock : public Clock {
public:
    FakeClock() = default;
    explicit FakeClock(const LocalDateTime& local)
        : m_local(local) {}

    LocalDateTime localNow() const override { return m_local; }
    std::chrono::steady_clock::time_point steadyNow() const override { return m_steady; }

    void setLocal(const LocalDateTime& moment) { m_local = moment; }
    void advance(std::chrono::nanoseconds step) { m_steady += step; }

private:
    LocalDateTime m_local{2026, 12, 6, 10, 0, 0};
    std::chrono::steady_clock::time_point m_steady{};
};

} // namespace tidecopy::test
