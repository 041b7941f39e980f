#include "app/BackupJob.h"

#include "engine/BackupRun.h"

namespace tidecopy {

BackupJob::BackupJob(Platform& platform, RunHost& windowHost, const BackupStart& start)
    : m_platform(platform)
    , m_windowHost(windowHost)
    , m_kind(start.kind)
    , m_options(start.options)
    , m_state(start.state) {
    m_flags.PreviewMode = start.PreviewMode;
    m_flags.CountdownCancelled = start.CountdownCancelled;
}

void BackupJob::run(JobChannel& channel) {
    RunContext context{m_platform, channel.prompts, m_windowHost, m_options,
                       m_state,    channel.log,     m_flags};
    m_outcome = BackupRun(context).BackUpEngine(m_kind);
}

} // namespace tidecopy
