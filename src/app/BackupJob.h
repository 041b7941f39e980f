#pragma once

#include "config/MainState.h"
#include "config/OptionSet.h"
#include "engine/RunFlags.h"
#include "engine/RunHost.h"
#include "engine/RunOutcome.h"
#include "widgets/jobs/Job.h"

namespace tidecopy {

struct Platform;

// What the window hands a backup when it starts.
struct BackupStart {
    RunKind kind = RunKind::Backup;
    const OptionSet& options;
    const MainState& state;
    bool PreviewMode = false;
    bool CountdownCancelled = false;
};

// One backup or preview of the window as a job. The run works on copies of the window's
// option set and main state (the window locks its frames meanwhile); what it tells the
// window goes to the window's host, which carries it to the window's thread.
class BackupJob : public Job {
public:
    BackupJob(Platform& platform, RunHost& windowHost, const BackupStart& start);

    void run(JobChannel& channel) override;
    void cancel() override { m_flags.CancelRequested = true; }

    // After the job has ended.
    const RunOutcome& outcome() const { return m_outcome; }
    const RunFlags& flags() const { return m_flags; }
    // What the run has changed so far; read on the window's thread only while the run
    // waits for the window.
    RunChanges changesSoFar() const { return runChangesOf(m_state, m_options); }

private:
    Platform& m_platform;
    RunHost& m_windowHost;
    RunKind m_kind;
    OptionSet m_options;
    MainState m_state;
    RunFlags m_flags;
    RunOutcome m_outcome;
};

} // namespace tidecopy
