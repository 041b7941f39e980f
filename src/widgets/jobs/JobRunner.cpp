#include "widgets/jobs/JobRunner.h"

#include "log/ActivityLog.h"
#include "widgets/jobs/JobMailbox.h"
#include "widgets/jobs/QueuedPrompts.h"
#include "widgets/jobs/QueuedRunLog.h"

namespace tidecopy {

struct JobRunner::Running {
    Running(JobRunner& runner, std::unique_ptr<Job> started, std::function<void()> ended)
        : job(std::move(started))
        , whenEnded(std::move(ended))
        , prompts(*runner.m_mailbox, runner.m_windowPrompts)
        , log(*runner.m_mailbox, runner.m_windowLog, runner.m_windowLog.maxLength())
        , channel{*runner.m_mailbox, prompts, log} {}

    std::unique_ptr<Job> job;
    std::function<void()> whenEnded;
    QueuedPrompts prompts;
    QueuedRunLog log;
    JobChannel channel;
    std::thread worker;
};

JobRunner::JobRunner(Prompts& windowPrompts, ActivityLog& windowLog, std::function<void()> logShown,
                     QObject* parent)
    : QObject(parent)
    , m_windowPrompts(windowPrompts)
    , m_windowLog(windowLog)
    , m_mailbox(new JobMailbox(
          [&log = m_windowLog, logShown = std::move(logShown)](std::string_view text,
                                                               std::size_t maxLength) {
              if (log.maxLength() != maxLength)
                  log.setMaxLength(maxLength);
              log.append(text);
              logShown();
          },
          this)) {}

JobRunner::~JobRunner() {
    m_mailbox->close();
    if (m_job && m_job->worker.joinable()) {
        m_job->job->cancel();
        m_job->worker.join();
    }
}

bool JobRunner::startJob(std::unique_ptr<Job> job, std::function<void()> whenEnded) {
    if (m_job)
        return false;
    m_job = std::make_unique<Running>(*this, std::move(job), std::move(whenEnded));
    Running& running = *m_job;
    m_mailbox->startDelivering();
    running.worker = std::thread([this, &running] {
        running.job->run(running.channel);
        m_mailbox->postNow([this] { workerEnded(); });
    });
    return true;
}

void JobRunner::workerEnded() {
    m_job->worker.join();
    m_mailbox->stopDelivering();
    const std::unique_ptr<Running> ended = std::move(m_job);
    // The log's limit may have changed after its last append (a preview's ends so).
    m_windowLog.setMaxLength(ended->log.maxLength());
    ended->whenEnded();
}

void JobRunner::cancel() {
    if (m_job)
        m_job->job->cancel();
}

} // namespace tidecopy
