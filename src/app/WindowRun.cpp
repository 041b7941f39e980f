#include "app/WindowRun.h"

#include "app/QueuedRunLog.h"
#include "app/RunMailbox.h"

namespace tidecopy {

struct WindowRun::Job {
    Job(WindowRun& owner, const RunStart& start)
        : options(start.options)
        , state(start.state)
        , host(*owner.m_mailbox, owner.m_windowHost, owner.m_services.pauses)
        , prompts(*owner.m_mailbox, owner.m_windowPrompts)
        , log(*owner.m_mailbox, owner.m_windowLog, owner.m_windowLog.maxLength())
        , context{owner.m_services.fs,
                  owner.m_services.volumes,
                  owner.m_services.power,
                  owner.m_services.clock,
                  owner.m_services.environment,
                  prompts,
                  host,
                  options,
                  state,
                  log,
                  flags} {
        flags.PreviewMode = start.PreviewMode;
        flags.CountdownCancelled = start.CountdownCancelled;
    }

    OptionSet options;
    MainState state;
    RunFlags flags;
    QueuedRunHost host;
    QueuedPrompts prompts;
    QueuedRunLog log;
    RunContext context;
    RunOutcome outcome;
    std::thread worker;
};

WindowRun::WindowRun(WindowRunServices services, RunHost& windowHost, Prompts& windowPrompts,
                     ActivityLog& windowLog, std::function<void()> logShown, QObject* parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_windowHost(windowHost)
    , m_windowPrompts(windowPrompts)
    , m_windowLog(windowLog)
    , m_mailbox(new RunMailbox(
          [&log = m_windowLog, logShown = std::move(logShown)](std::string_view text,
                                                               std::size_t maxLength) {
              if (log.maxLength() != maxLength)
                  log.setMaxLength(maxLength);
              log.append(text);
              logShown();
          },
          this)) {}

WindowRun::~WindowRun() {
    m_mailbox->close();
    if (m_job && m_job->worker.joinable()) {
        m_job->flags.CancelRequested = true;
        m_job->worker.join();
    }
}

void WindowRun::start(const RunStart& start) {
    m_job = std::make_unique<Job>(*this, start);
    Job& job = *m_job;
    m_mailbox->startDelivering();
    job.worker = std::thread([this, &job, kind = start.kind] {
        job.outcome = BackupRun(job.context).BackUpEngine(kind);
        m_mailbox->postNow([this] { workerEnded(); });
    });
}

void WindowRun::workerEnded() {
    m_job->worker.join();
    m_mailbox->stopDelivering();
    m_lastJob = std::move(m_job);
    // The log's limit may have changed after its last append (a preview's ends so).
    m_windowLog.setMaxLength(m_lastJob->log.maxLength());
    emit finished();
}

void WindowRun::cancel() {
    if (m_job)
        m_job->flags.CancelRequested = true;
}

namespace {
template <typename Job>
const Job& current(const std::unique_ptr<Job>& running, const std::unique_ptr<Job>& last) {
    return running ? *running : *last;
}
} // namespace

const OptionSet& WindowRun::options() const {
    return current(m_job, m_lastJob).options;
}

const MainState& WindowRun::state() const {
    return current(m_job, m_lastJob).state;
}

const RunFlags& WindowRun::flags() const {
    return current(m_job, m_lastJob).flags;
}

std::size_t WindowRun::logMaxLength() const {
    return current(m_job, m_lastJob).log.maxLength();
}

const RunOutcome& WindowRun::outcome() const {
    return current(m_job, m_lastJob).outcome;
}

} // namespace tidecopy
