#include "cli/CliRunHost.h"

#include "engine/RunTimeTexts.h"

#include <ostream>

namespace tidecopy::cli {

CliRunHost::CliRunHost(std::ostream& err, bool errorIsTerminal)
    : m_err(err)
    , m_errorIsTerminal(errorIsTerminal) {}

void CliRunHost::progressChanged(const RunProgress& progress) {
    if (!m_errorIsTerminal || !progress.percent)
        return;
    m_err << "\r\x1b[K" << *progress.percent << "% - Estimated Time Remaining "
          << FormatDuration(progress.remaining.count()) << std::flush;
    m_progressShown = true;
}

void CliRunHost::clearProgressLine() {
    if (!m_progressShown)
        return;
    m_err << "\r\x1b[K" << std::flush;
    m_progressShown = false;
}

} // namespace tidecopy::cli
