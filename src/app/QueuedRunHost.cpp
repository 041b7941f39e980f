#include "app/QueuedRunHost.h"

#include "widgets/jobs/JobMailbox.h"

namespace tidecopy {

namespace {
constexpr std::chrono::seconds pauseAfterListing{1};
}

QueuedRunHost::QueuedRunHost(JobMailbox& mailbox, RunHost& window, RunPauses pauses)
    : m_mailbox(mailbox)
    , m_window(window)
    , m_pauses(pauses) {}

void QueuedRunHost::phaseChanged(RunPhase phase, RunKind kind) {
    if (phase == RunPhase::Copying && m_pauses == RunPauses::Real)
        m_mailbox.sleepFor(pauseAfterListing);
    m_mailbox.post([&window = m_window, phase, kind] { window.phaseChanged(phase, kind); });
}

void QueuedRunHost::progressChanged(const RunProgress& progress) {
    m_mailbox.postLatest(JobMailbox::Latest::Progress,
                         [&window = m_window, progress] { window.progressChanged(progress); });
}

void QueuedRunHost::paneChanged(Pane pane) {
    m_mailbox.post([&window = m_window, pane] { window.paneChanged(pane); });
}

void QueuedRunHost::reported(const RunReport& report) {
    m_mailbox.post([&window = m_window, report] { window.reported(report); });
}

void QueuedRunHost::playSound(const std::string& fileName, SoundWait wait) {
    if (wait == SoundWait::Asynchronous) {
        m_mailbox.post([&window = m_window, fileName] {
            window.playSound(fileName, SoundWait::Asynchronous);
        });
        return;
    }
    m_mailbox.ask<bool>([&window = m_window, fileName] {
        window.playSound(fileName, SoundWait::Synchronous);
        return true;
    });
}

bool QueuedRunHost::countdownStopped() {
    // Without a window to show it, the countdown counts as stopped: nothing is shut down
    // behind a user's back.
    return m_mailbox.ask<bool>([&window = m_window] { return window.countdownStopped(); })
        .value_or(true);
}

void QueuedRunHost::closeProgram() {
    m_mailbox.ask<bool>([&window = m_window] {
        window.closeProgram();
        return true;
    });
}

} // namespace tidecopy
