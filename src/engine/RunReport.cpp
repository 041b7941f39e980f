#include "engine/RunReport.h"

namespace tidecopy {

std::string runSummaryText(RunKind kind, bool cancelled, const RunCounts& counts) {
    const std::string selected = std::to_string(counts.selected);
    if (cancelled)
        return "* Backup Canceled - " + selected + " of the " + std::to_string(counts.listed) +
               " Files Copied.";
    if (kind == RunKind::Preview)
        return selected + " Files will be copied.";
    if (counts.selected > 1)
        return "All Files Copied (" + selected + ")";
    return selected + " File Copied.";
}

std::string upToDateText(const RunCounts& counts) {
    if (counts.existing != counts.listed)
        return {};
    if (counts.preserved != 0)
        return "All backup files up-to-date. Preserved " + std::to_string(counts.preserved) +
               " file(s).\r\n";
    return "All backup files already up-to-date (No files replaced).\r\n";
}

std::string timeTakenText(RunKind kind, std::chrono::nanoseconds elapsed) {
    const char* lead = kind == RunKind::Preview ? "The time it took to preview-> "
                                                : "The time it took to make this backup was-> ";
    return lead + FormatDuration(reportedDurationSeconds(elapsed)) + "\r\n";
}

} // namespace tidecopy
