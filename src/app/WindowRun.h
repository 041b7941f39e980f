#pragma once

#include "app/QueuedPrompts.h"
#include "app/QueuedRunHost.h"
#include "config/MainState.h"
#include "config/OptionSet.h"
#include "engine/BackupRun.h"
#include "log/ActivityLog.h"

#include <QObject>
#include <functional>
#include <memory>
#include <thread>

namespace tidecopy {

class RunMailbox;

// The services a window run reaches the system through.
struct WindowRunServices {
    FileSystem& fs;
    Volumes& volumes;
    Power& power;
    const Clock& clock;
    const Environment& environment;
    RunPauses pauses = RunPauses::Real;
};

// What the window hands a run when it starts.
struct RunStart {
    RunKind kind = RunKind::Backup;
    const OptionSet& options;
    const MainState& state;
    bool PreviewMode = false;
    bool CountdownCancelled = false;
};

// One backup or preview of the window, on a worker thread. The run works on copies of
// the window's option set and main state (the window locks its frames meanwhile); its log
// appends travel to the window's log, which is the window's thread's alone. The window
// takes the run's changes back when
// it ends, or earlier from closeProgram. Owned by the window; going away it stops
// answering the worker and waits for it to end.
class WindowRun : public QObject {
    Q_OBJECT
public:
    // logShown runs after the run's log text has reached the window's log.
    WindowRun(WindowRunServices services, RunHost& windowHost, Prompts& windowPrompts,
              ActivityLog& windowLog, std::function<void()> logShown, QObject* parent = nullptr);
    ~WindowRun() override;

    bool running() const { return m_job != nullptr; }
    void start(const RunStart& start);
    // cmdCancel: the run stops before its next file or chunk.
    void cancel();

    // The run's copies. Read them on the window's thread only while the worker waits for
    // the window, or after finished.
    const OptionSet& options() const;
    const MainState& state() const;
    const RunFlags& flags() const;
    std::size_t logMaxLength() const;
    const RunOutcome& outcome() const;

signals:
    // The worker has ended; the copies stay readable until the next start.
    void finished();

private:
    struct Job;
    void workerEnded();

    WindowRunServices m_services;
    RunHost& m_windowHost;
    Prompts& m_windowPrompts;
    ActivityLog& m_windowLog;
    RunMailbox* m_mailbox;
    std::unique_ptr<Job> m_job;     // the run now going on
    std::unique_ptr<Job> m_lastJob; // the run that ended last
};

} // namespace tidecopy
