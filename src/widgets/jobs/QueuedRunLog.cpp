#include "widgets/jobs/QueuedRunLog.h"

#include "log/ActivityLog.h"
#include "widgets/jobs/JobMailbox.h"

namespace tidecopy {

QueuedRunLog::QueuedRunLog(JobMailbox& mailbox, const ActivityLog& windowLog, std::size_t maxLength)
    : m_mailbox(mailbox)
    , m_windowLog(windowLog)
    , m_maxLength(maxLength) {}

void QueuedRunLog::append(std::string_view text) {
    m_mailbox.appendLog(text, m_maxLength);
}

std::string QueuedRunLog::text() const {
    // Everything appended before is delivered first: the mailbox keeps the order.
    return m_mailbox.ask<std::string>([&log = m_windowLog] { return std::string(log.text()); })
        .value_or(std::string());
}

} // namespace tidecopy
