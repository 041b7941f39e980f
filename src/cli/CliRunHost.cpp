#include "cli/CliRunHost.h"

#include "engine/RunTimeTexts.h"

#include <ostream>

namespace tidecopy::cli {

CliRunHost::CliRunHost(std::ostream& err, bool errorIsTerminal)
    : m_err(err)
    , m_errorIsTerminal(errorIsTerminal) {}

void CliRunHost::progressChanged(int percent, std::chrono::seconds remaining) {
    if (!m_errorIsTerminal)
        return;
    m_err << "\r\x1b[K" << percent << "% - Estimated Time Remaining "
          << FormatDuration(remaining.count()) << std::flush;
    m_progressShown = true;
}

void CliRunHost::clearProgressLine() {
    if (!m_progressShown)
        return;
    m_err << "\r\x1b[K" << std::flush;
    m_progressShown = false;
}

} // namespace tidecopy::cli
