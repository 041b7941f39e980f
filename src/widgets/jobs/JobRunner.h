#pragma once

#include "widgets/jobs/Job.h"

#include <QObject>
#include <functional>
#include <memory>
#include <thread>

namespace tidecopy {

class ActivityLog;

// Runs the window's jobs, one at a time, each on a worker thread of its own: the mailbox
// carries the job's calls to the window's thread, the window's prompts answer its
// questions, its log text reaches the window's activity log, and cancel sets the job's
// flag. The window's thread never waits on a job; going away, the runner stops answering
// and waits for the job to end.
class JobRunner : public QObject {
    Q_OBJECT
public:
    // logShown runs on the window's thread after a job's log text reached windowLog.
    JobRunner(Prompts& windowPrompts, ActivityLog& windowLog, std::function<void()> logShown,
              QObject* parent = nullptr);
    ~JobRunner() override;

    bool running() const { return m_job != nullptr; }
    // What a job's host posts its calls to the window's thread through.
    JobMailbox& mailbox() { return *m_mailbox; }

    // Starts job unless one is running; whenEnded runs on the window's thread once it has
    // ended, after which the job goes away.
    template <typename ConcreteJob>
    bool start(std::unique_ptr<ConcreteJob> job, std::function<void(ConcreteJob&)> whenEnded) {
        ConcreteJob& concrete = *job;
        return startJob(std::move(job),
                        [whenEnded = std::move(whenEnded), &concrete] { whenEnded(concrete); });
    }
    void cancel();

private:
    struct Running;
    bool startJob(std::unique_ptr<Job> job, std::function<void()> whenEnded);
    void workerEnded();

    Prompts& m_windowPrompts;
    ActivityLog& m_windowLog;
    JobMailbox* m_mailbox;
    std::unique_ptr<Running> m_job;
};

} // namespace tidecopy
