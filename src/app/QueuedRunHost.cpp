#include "app/QueuedRunHost.h"

#include "app/RunMailbox.h"

namespace tidecopy {

QueuedRunHost::QueuedRunHost(RunMailbox& mailbox, RunHost& window, RunPauses pauses)
    : m_mailbox(mailbox)
    , m_window(window)
    , m_pauses(pauses) {}

void QueuedRunHost::setBusyPointer(bool busy) {
    m_mailbox.post([&window = m_window, busy] { window.setBusyPointer(busy); });
}

void QueuedRunHost::setControlEnabled(HostControl control, bool enabled) {
    m_mailbox.post(
        [&window = m_window, control, enabled] { window.setControlEnabled(control, enabled); });
}

void QueuedRunHost::setAnimationRunning(bool running) {
    m_mailbox.post([&window = m_window, running] { window.setAnimationRunning(running); });
}

void QueuedRunHost::setViewCaption(const std::string& text) {
    m_mailbox.post([&window = m_window, text] { window.setViewCaption(text); });
}

void QueuedRunHost::setProgressText(const std::string& text) {
    m_mailbox.postLatest(RunMailbox::Latest::ProgressText,
                         [&window = m_window, text] { window.setProgressText(text); });
}

void QueuedRunHost::setProgressScale(long long scaleWidth) {
    m_mailbox.post([&window = m_window, scaleWidth] { window.setProgressScale(scaleWidth); });
}

void QueuedRunHost::setProgressValue(long long value) {
    m_mailbox.postLatest(RunMailbox::Latest::ProgressValue,
                         [&window = m_window, value] { window.setProgressValue(value); });
}

void QueuedRunHost::progressChanged(int percent, std::chrono::seconds remaining) {
    m_mailbox.postLatest(
        RunMailbox::Latest::ProgressChanged,
        [&window = m_window, percent, remaining] { window.progressChanged(percent, remaining); });
}

void QueuedRunHost::scrollLogToEnd() {
    m_mailbox.postLatest(RunMailbox::Latest::ScrollLog,
                         [&window = m_window] { window.scrollLogToEnd(); });
}

void QueuedRunHost::refreshPane(RunPane pane) {
    m_mailbox.post([&window = m_window, pane] { window.refreshPane(pane); });
}

void QueuedRunHost::setFreeSpaceText(const std::string& text) {
    m_mailbox.post([&window = m_window, text] { window.setFreeSpaceText(text); });
}

void QueuedRunHost::updateTotalFileCounts() {
    m_mailbox.post([&window = m_window] { window.updateTotalFileCounts(); });
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

void QueuedRunHost::pause(std::chrono::milliseconds duration) {
    if (m_pauses == RunPauses::Real)
        m_mailbox.sleepFor(duration);
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
