#pragma once

#include "engine/RunLog.h"

namespace tidecopy {

class ActivityLog;
class JobMailbox;

// The run's log on its worker thread: appends travel to the window's log through the
// mailbox with the length limit in force when they were made; the whole text, wanted for
// the daily log file, is read on the window's thread, the user's own edits included.
class QueuedRunLog : public RunLog {
public:
    QueuedRunLog(JobMailbox& mailbox, const ActivityLog& windowLog, std::size_t maxLength);

    void append(std::string_view text) override;
    void setMaxLength(std::size_t maxLength) override { m_maxLength = maxLength; }
    std::string text() const override;

    std::size_t maxLength() const { return m_maxLength; }

private:
    JobMailbox& m_mailbox;
    const ActivityLog& m_windowLog;
    std::size_t m_maxLength;
};

} // namespace tidecopy
