#include "app/WindowRunHost.h"

#include "app/MainWindow.h"
#include "app/RunArea.h"
#include "config/ui/CopyOptionsGroup.h"
#include "engine/ui/CountdownDialog.h"
#include "log/ui/LogPanel.h"
#include "log/ui/LogView.h"
#include "panes/Panes.h"
#include "panes/ui/PaneWidget.h"
#include "widgets/ControlNaming.h"

#include <QLabel>

namespace tidecopy {

void WindowRunHost::setBusyPointer(bool busy) {
    if (busy)
        m_window.setCursor(Qt::BusyCursor);
    else
        m_window.unsetCursor();
}

void WindowRunHost::setControlEnabled(HostControl control, bool enabled) {
    RunArea& area = *m_window.m_runArea;
    switch (control) {
    case HostControl::Cancel:
        area.setCancelEnabled(enabled);
        break;
    case HostControl::BackupAndPreview:
        area.setBackupAndPreviewEnabled(enabled);
        break;
    case HostControl::ProfileButtons:
        area.setProfileButtonsEnabled(enabled);
        break;
    case HostControl::Frames:
        for (PaneWidget* frame : m_window.m_paneWidgets)
            frame->setEnabled(enabled);
        m_window.m_copyOptions->setEnabled(enabled);
        break;
    }
}

void WindowRunHost::setAnimationRunning(bool running) {
    m_window.m_runArea->setAnimationRunning(running);
}

void WindowRunHost::setViewCaption(const std::string& text) {
    m_window.m_runArea->setViewCaption(displayText(text));
}

void WindowRunHost::setProgressText(const std::string& text) {
    m_window.m_runArea->setProgressText(displayText(text));
}

void WindowRunHost::setProgressScale(long long scaleWidth) {
    m_window.m_runArea->setProgressScale(scaleWidth);
}

void WindowRunHost::setProgressValue(long long value) {
    m_window.m_runArea->setProgressValue(value);
}

void WindowRunHost::scrollLogToEnd() {
    LogView* view = m_window.m_logPanel->view();
    view->moveCursor(QTextCursor::End);
    view->ensureCursorVisible();
}

void WindowRunHost::refreshPane(RunPane pane) {
    m_window.refreshPaneForRun(pane == RunPane::Dir1 || pane == RunPane::File1 ? Pane::Source
                                                                               : Pane::Destination);
}

void WindowRunHost::setFreeSpaceText(const std::string& text) {
    m_window.m_lblFreeSpace->setText(QString::fromStdString(text));
    m_window.m_lblFreeSpace->setAccessibleDescription(m_window.m_lblFreeSpace->text());
}

void WindowRunHost::updateTotalFileCounts() {
    for (PaneWidget* pane : m_window.m_paneWidgets)
        pane->apply(PaneUpdate::TotalFiles);
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
