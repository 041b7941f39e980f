#pragma once

#include "log/ActivityLog.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tidecopy {

// The activity log as a run sees it: it appends, bounds the length during a preview, and
// reads the whole text when the daily log file is saved. A front end whose log lives on
// another thread forwards these; the others hand over their ActivityLog directly.
class RunLog {
public:
    virtual ~RunLog() = default;
    virtual void append(std::string_view text) = 0;
    virtual void setMaxLength(std::size_t maxLength) = 0;
    virtual std::string text() const = 0;
};

// A run writing straight into an activity log of the same thread.
class ActivityRunLog : public RunLog {
public:
    explicit ActivityRunLog(ActivityLog& log)
        : m_log(log) {}
    void append(std::string_view text) override { m_log.append(text); }
    void setMaxLength(std::size_t maxLength) override { m_log.setMaxLength(maxLength); }
    std::string text() const override { return std::string(m_log.text()); }

private:
    ActivityLog& m_log;
};

} // namespace tidecopy
