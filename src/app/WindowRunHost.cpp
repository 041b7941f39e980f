#include "app/WindowRunHost.h"

#include "app/RunArea.h"
#include "app/SoundPlayer.h"
#include "engine/ui/CountdownDialog.h"
#include "panes/Panes.h"
#include "panes/ui/PaneStatusLabels.h"
#include "widgets/ControlNaming.h"

#include <QAction>

namespace tidecopy {

namespace {

template <typename Control>
void setEnabled(const std::vector<Control*>& controls, bool enabled) {
    for (Control* control : controls)
        control->setEnabled(enabled);
}

} // namespace

void WindowRunHost::phaseChanged(RunPhase phase, RunKind kind) {
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

void WindowRunHost::progressChanged(const RunProgress& progress) {
    RunArea& area = m_parts.runArea;
    const auto steps = static_cast<long long>(progress.filesListed) + 1;
    area.setProgressScale(steps);
    area.setProgressValue(progress.complete ? steps : static_cast<long long>(progress.fileNumber));
    area.setProgressText(displayText(progress.text));
    if (m_phase == RunPhase::Copying && progress.pastFirstFile())
        area.setAnimationRunning(false);
}

void WindowRunHost::paneChanged(Pane pane) {
    m_parts.panes.refreshFolder(pane);
}

void WindowRunHost::reported(const RunReport& report) {
    m_parts.status.showFreeSpace(report.destinationFreeSpace);
}

void WindowRunHost::playSound(const std::string& fileName, SoundWait wait) {
    m_parts.sound.play(fileName, wait);
}

bool WindowRunHost::countdownStopped() {
    CountdownDialog countdown(&m_parts.window);
    return countdown.countdownStopped();
}

void WindowRunHost::cancelPressed() {
    setEnabled(m_parts.startCommands, true);
    m_parts.runArea.setAnimationRunning(false);
}

} // namespace tidecopy
