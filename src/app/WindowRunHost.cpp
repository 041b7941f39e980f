#include "app/WindowRunHost.h"

#include "app/RunArea.h"
#include "app/SoundPlayer.h"
#include "engine/ui/CountdownDialog.h"
#include "panes/Panes.h"
#include "panes/ui/PaneStatusLabels.h"
#include "widgets/ControlNaming.h"
#include "widgets/jobs/JobMailbox.h"

#include <QAction>

namespace tidecopy {

namespace {

constexpr std::chrono::seconds pauseAfterListing{1};

template <typename Control>
void setEnabled(const std::vector<Control*>& controls, bool enabled) {
    for (Control* control : controls)
        control->setEnabled(enabled);
}

} // namespace

WindowRunHost::WindowRunHost(JobMailbox& mailbox, RunPauses pauses, RunDisplayParts parts,
                             std::function<void()> closeProgram)
    : m_mailbox(mailbox)
    , m_pauses(pauses)
    , m_parts(std::move(parts))
    , m_closeProgram(std::move(closeProgram)) {}

void WindowRunHost::phaseChanged(RunPhase phase, RunKind kind) {
    if (phase == RunPhase::Copying && m_pauses == RunPauses::Real)
        m_mailbox.sleepFor(pauseAfterListing);
    m_mailbox.post([this, phase, kind] { showPhase(phase, kind); });
}

void WindowRunHost::progressChanged(const RunProgress& progress) {
    m_mailbox.postLatest(JobMailbox::Latest::Progress,
                         [this, progress] { showProgress(progress); });
}

void WindowRunHost::paneChanged(Pane pane) {
    m_mailbox.post([this, pane] { m_parts.panes.refreshFolder(pane); });
}

void WindowRunHost::reported(const RunReport& report) {
    m_mailbox.post([this, freeSpace = report.destinationFreeSpace] {
        m_parts.status.showFreeSpace(freeSpace);
    });
}

void WindowRunHost::playSound(const std::string& fileName, SoundWait wait) {
    if (wait == SoundWait::Asynchronous) {
        m_mailbox.post([this, fileName] { m_parts.sound.play(fileName, SoundWait::Asynchronous); });
        return;
    }
    m_mailbox.ask<bool>([this, fileName] {
        m_parts.sound.play(fileName, SoundWait::Synchronous);
        return true;
    });
}

bool WindowRunHost::countdownStopped() {
    // Without a window to show it, the countdown counts as stopped: nothing is shut down
    // behind a user's back.
    return m_mailbox
        .ask<bool>([this] {
            CountdownDialog countdown(&m_parts.window);
            return countdown.countdownStopped();
        })
        .value_or(true);
}

void WindowRunHost::closeProgram() {
    m_mailbox.ask<bool>([this] {
        m_closeProgram();
        return true;
    });
}

void WindowRunHost::showPhase(RunPhase phase, RunKind kind) {
    m_phase = phase;
    const PhaseDisplay display = displayOf(phase, kind);
    RunArea& area = m_parts.runArea;
    if (display.busy) {
        if (*display.busy)
            m_parts.window.setCursor(Qt::BusyCursor);
        else
            m_parts.window.unsetCursor();
    }
    if (display.cancelEnabled)
        m_parts.cancel->setEnabled(*display.cancelEnabled);
    if (display.startEnabled)
        setEnabled(m_parts.startCommands, *display.startEnabled);
    if (display.animation)
        area.setAnimationRunning(*display.animation);
    if (display.progressCleared)
        area.setProgressValue(0);
    if (display.profilesEnabled)
        setEnabled(m_parts.profileCommands, *display.profilesEnabled);
    if (display.jobEnabled)
        setEnabled(m_parts.jobControls, *display.jobEnabled);
    if (display.caption)
        area.setViewCaption(displayText(*display.caption));
}

void WindowRunHost::showProgress(const RunProgress& progress) {
    RunArea& area = m_parts.runArea;
    const auto steps = static_cast<long long>(progress.filesListed) + 1;
    area.setProgressScale(steps);
    area.setProgressValue(progress.complete ? steps : static_cast<long long>(progress.fileNumber));
    area.setProgressText(displayText(progress.text));
    if (m_phase == RunPhase::Copying && progress.pastFirstFile())
        area.setAnimationRunning(false);
}

void WindowRunHost::cancelPressed() {
    setEnabled(m_parts.startCommands, true);
    m_parts.runArea.setAnimationRunning(false);
}

} // namespace tidecopy
