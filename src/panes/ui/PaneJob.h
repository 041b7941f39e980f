#pragma once

#include "panes/FileCommands.h"
#include "platform/PathStyle.h"
#include "widgets/jobs/Job.h"

#include <atomic>

namespace tidecopy {

class FileSystem;

// The work of a file or folder command as a job of the window: on its worker thread it
// asks through the window's prompts and appends the user's log lines (when they are
// logged) to the window's activity log; Cancel stops it at its next file or chunk.
class PaneJob : public Job {
public:
    PaneJob(FileSystem& fs, PathStyle style, FileWork work, bool logUserActions);

    void run(JobChannel& channel) override;
    void cancel() override { m_cancel = true; }

    // After the job has ended.
    const FileWorkResult& result() const { return m_result; }

private:
    FileSystem& m_fs;
    PathStyle m_style;
    FileWork m_work;
    bool m_logUserActions;
    std::atomic<bool> m_cancel{false};
    FileWorkResult m_result;
};

} // namespace tidecopy
