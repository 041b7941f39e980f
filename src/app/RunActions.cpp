#include "app/RunActions.h"

#include "app/VerifyJob.h"
#include "widgets/Commands.h"
#include "widgets/jobs/JobRunner.h"

#include <QAction>

namespace tidecopy {

RunActions::RunActions(RunWindowState window, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_backup(makeCommand(this, "Copy The Files"))
    , m_preview(makeCommand(this, "Preview"))
    , m_cancel(makeCommand(this, "Cancel", false))
    , m_verify(makeCommand(this, "Verify backup")) {
    connect(m_backup, &QAction::triggered, this, [this] {
        m_window.flags.PreviewMode = false;
        start(RunKind::Backup, RunStarter::User);
    });
    connect(m_preview, &QAction::triggered, this, [this] {
        m_window.flags.PreviewMode = true;
        start(RunKind::Preview, RunStarter::User);
    });
    connect(m_cancel, &QAction::triggered, this, &RunActions::cancelRun);
    connect(m_verify, &QAction::triggered, this, &RunActions::startVerify);
}

void RunActions::showRunsIn(RunDisplayParts parts) {
    m_display = std::make_unique<WindowRunHost>(m_window.jobs.mailbox(), m_window.pauses,
                                                std::move(parts), [this] { closeProgram(); });
}

void RunActions::startAutomation() {
    start(RunKind::Backup, RunStarter::Automation);
}

bool RunActions::running() const {
    return m_job != nullptr || m_verifying;
}

void RunActions::start(RunKind kind, RunStarter starter) {
    // A second press can come before the run has disabled the buttons; the runner takes
    // one job at a time.
    if (m_window.jobs.running() || m_windowClosed)
        return;
    emit aboutToStart();
    const RunFlags& flags = m_window.flags;
    auto job =
        std::make_unique<BackupJob>(m_window.platform, *m_display,
                                    BackupStart{kind, m_window.options, m_window.state,
                                                flags.PreviewMode, flags.CountdownCancelled});
    BackupJob* started = job.get();
    if (m_window.jobs.start<BackupJob>(std::move(job),
                                       [this](BackupJob& ended) { this->ended(ended); })) {
        m_job = started;
        m_starter = starter;
    }
}

// The backup in the destination folder the window shows, checked against its list.
void RunActions::startVerify() {
    if (m_window.jobs.running() || m_windowClosed)
        return;
    emit aboutToStart();
    auto job = std::make_unique<VerifyJob>(m_window.platform, *m_display, m_window.state.Dir2);
    m_verifying = m_window.jobs.start<VerifyJob>(std::move(job), [this](VerifyJob&) {
        m_verifying = false;
        emit finished();
        if (std::exchange(m_closeAfterRun, false))
            emit closeWanted();
    });
}

void RunActions::cancelRun() {
    m_window.jobs.cancel();
    m_display->cancelPressed();
}

void RunActions::ended(const BackupJob& job) {
    m_job = nullptr;
    takeRunChanges(job.outcome().changes, std::exchange(m_starter, RunStarter::User),
                   m_window.state, m_window.options);
    m_window.flags.PreviewMode = job.flags().PreviewMode;
    m_window.flags.CountdownCancelled = job.flags().CountdownCancelled;
    emit finished();
    if (std::exchange(m_closeAfterRun, false))
        emit closeWanted();
}

// The after-backup close: the run's changes are taken back first, so the settings file
// holds them.
void RunActions::closeProgram() {
    takeRunChanges(m_job->changesSoFar(), m_starter, m_window.state, m_window.options);
    m_closingFromRun = true;
    emit closeWanted();
}

bool RunActions::deferClose() {
    if (!running() || m_closingFromRun)
        return false;
    m_closeAfterRun = true;
    cancelRun();
    return true;
}

} // namespace tidecopy
