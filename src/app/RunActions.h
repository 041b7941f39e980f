#pragma once

#include "app/BackupJob.h"
#include "app/WindowRunHost.h"
#include "engine/RunChanges.h"

#include <QObject>
#include <memory>

class QAction;

namespace tidecopy {

class JobRunner;

// What the window's runs work with: the window's job runner, option set, main state
// and run flags.
struct RunWindowState {
    Platform& platform;
    RunPauses pauses;
    JobRunner& jobs;
    OptionSet& options;
    MainState& state;
    RunFlags& flags;
};

// The run commands of the window (Copy The Files, Preview, Cancel, Verify backup) and the
// backups they start: each is a job on the window's job runner, working on copies of the
// window's option set and main state, whose changes the window takes back when it ends. A
// verify of the destination folder's backup runs the same way and changes nothing.
class RunActions : public QObject {
    Q_OBJECT
public:
    RunActions(RunWindowState window, QObject* parent);

    QAction* backup() const { return m_backup; }
    QAction* preview() const { return m_preview; }
    QAction* cancel() const { return m_cancel; }
    QAction* verifyBackup() const { return m_verify; }

    // Where the runs show themselves, once the window's parts exist.
    void showRunsIn(RunDisplayParts parts);
    // The automation's backup at start-up.
    void startAutomation();
    // A backup or a verify of the window is going on.
    bool running() const;
    // The window is being closed: a run going on is cancelled and true answered, and the
    // window is asked to close again when the run has ended, so the settings file gets
    // what the run leaves. A run's own closing goes through.
    bool deferClose();
    // The window has closed: no run starts any more.
    void windowClosed() { m_windowClosed = true; }

signals:
    // A run is about to read the window's state: edits still waiting go into it.
    void aboutToStart();
    // A run has ended and the window's state holds its changes.
    void finished();
    // The window should close: the run's after-backup actions, or a close deferred.
    void closeWanted();

private:
    void start(RunKind kind, RunStarter starter);
    void startVerify();
    void cancelRun();
    void ended(const BackupJob& job);
    void closeProgram();

    RunWindowState m_window;
    QAction* m_backup;
    QAction* m_preview;
    QAction* m_cancel;
    QAction* m_verify;
    std::unique_ptr<WindowRunHost> m_display;
    BackupJob* m_job = nullptr; // the run going on
    bool m_verifying = false;
    RunStarter m_starter = RunStarter::User;
    bool m_closeAfterRun = false;
    bool m_closingFromRun = false;
    bool m_windowClosed = false;
};

} // namespace tidecopy
