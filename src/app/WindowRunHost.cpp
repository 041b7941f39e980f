#include "app/WindowRunHost.h"

#include "app/MainWindow.h"
#include "app/RunArea.h"
#include "config/ui/CopyOptionsGroup.h"
#include "engine/ui/CountdownDialog.h"
#include "panes/ui/PaneWidget.h"
#include "widgets/ControlNaming.h"

#include <QLabel>

namespace tidecopy {

void WindowRunHost::phaseChanged(RunPhase phase, RunKind kind) {
    m_phase = phase;
    const PhaseDisplay display = displayOf(phase, kind);
    RunArea& area = *m_window.m_runArea;
    if (display.busy) {
        if (*display.busy)
            m_window.setCursor(Qt::BusyCursor);
        else
            m_window.unsetCursor();
    }
    if (display.cancelEnabled)
        area.setCancelEnabled(*display.cancelEnabled);
    if (display.startEnabled)
        area.setBackupAndPreviewEnabled(*display.startEnabled);
    if (display.animation)
        area.setAnimationRunning(*display.animation);
    if (display.progressCleared)
        area.setProgressValue(0);
    if (display.profilesEnabled)
        area.setProfileButtonsEnabled(*display.profilesEnabled);
    if (display.jobEnabled) {
        for (PaneWidget* frame : m_window.m_paneWidgets)
            frame->setEnabled(*display.jobEnabled);
        m_window.m_copyOptions->setEnabled(*display.jobEnabled);
    }
    if (display.caption)
        area.setViewCaption(displayText(*display.caption));
}

void WindowRunHost::progressChanged(const RunProgress& progress) {
    RunArea& area = *m_window.m_runArea;
    const auto steps = static_cast<long long>(progress.filesListed) + 1;
    area.setProgressScale(steps);
    area.setProgressValue(progress.complete ? steps : static_cast<long long>(progress.fileNumber));
    area.setProgressText(displayText(progress.text));
    if (m_phase == RunPhase::Copying && progress.pastFirstFile())
        area.setAnimationRunning(false);
}

void WindowRunHost::paneChanged(Pane pane) {
    m_window.refreshPaneForRun(pane);
}

void WindowRunHost::reported(const RunReport& report) {
    m_window.m_lblFreeSpace->setText(QString::fromStdString(report.destinationFreeSpace));
    m_window.m_lblFreeSpace->setAccessibleDescription(m_window.m_lblFreeSpace->text());
}

void WindowRunHost::playSound(const std::string& fileName, SoundWait wait) {
    m_window.PlaySoundFile(fileName, wait);
}

bool WindowRunHost::countdownStopped() {
    CountdownDialog countdown(&m_window);
    return countdown.countdownStopped();
}

void WindowRunHost::closeProgram() {
    m_window.closeProgramFromRun();
}

} // namespace tidecopy
