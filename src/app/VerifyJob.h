#pragma once

#include "engine/RunHost.h"
#include "widgets/jobs/Job.h"

#include <atomic>
#include <string>

namespace tidecopy {

struct Platform;

// A verify of the backup in the window's destination folder as a job: it checks the
// folder's checksum list on the worker thread and shows itself through the window's host
// as a run does.
class VerifyJob : public Job {
public:
    VerifyJob(Platform& platform, RunHost& windowHost, std::string destinationFolder);

    void run(JobChannel& channel) override;
    void cancel() override { m_cancelRequested = true; }

private:
    Platform& m_platform;
    RunHost& m_windowHost;
    std::string m_destinationFolder;
    std::atomic<bool> m_cancelRequested{false};
};

} // namespace tidecopy
