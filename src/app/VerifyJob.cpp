#include "app/VerifyJob.h"

#include "engine/BackupVerification.h"

namespace tidecopy {

VerifyJob::VerifyJob(Platform& platform, RunHost& windowHost, std::string destinationFolder)
    : m_platform(platform)
    , m_windowHost(windowHost)
    , m_destinationFolder(std::move(destinationFolder)) {}

void VerifyJob::run(JobChannel& channel) {
    VerifyContext context{m_platform, m_windowHost, channel.log, m_cancelRequested,
                          verifyWorkersFor(m_platform.volumes, m_destinationFolder)};
    verifyBackup(context, m_destinationFolder);
}

} // namespace tidecopy
