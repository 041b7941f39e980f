#include "panes/ui/PaneJob.h"

#include "engine/RunLog.h"

namespace tidecopy {

PaneJob::PaneJob(FileSystem& fs, PathStyle style, FileWork work, bool logUserActions)
    : m_fs(fs)
    , m_style(style)
    , m_work(std::move(work))
    , m_logUserActions(logUserActions) {}

void PaneJob::run(JobChannel& channel) {
    LogSink log;
    if (m_logUserActions)
        log = [&channel](std::string_view text) {
            channel.log.append(text);
        };
    m_result = m_work(PaneActionContext{m_fs, m_style, channel.prompts, std::move(log),
                                        RunControl{&m_cancel, {}}});
}

} // namespace tidecopy
