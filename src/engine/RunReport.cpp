#include "engine/RunReport.h"

namespace tidecopy {

namespace {

std::string failedText(const RunCounts& counts) {
    return counts.failed == 0 ? std::string()
                              : " " + std::to_string(counts.failed) + " file(s) failed.";
}

} // namespace

std::string runSummaryText(RunKind kind, bool cancelled, const RunCounts& counts) {
    // A preview copies nothing: what it counts is what would be copied.
    const std::size_t done = kind == RunKind::Preview ? counts.selected : counts.copied;
    const std::string copied = std::to_string(done);
    if (cancelled)
        return "* Backup Canceled - " + copied + " of the " + std::to_string(counts.listed) +
               " Files Copied." + failedText(counts);
    if (kind == RunKind::Preview)
        return copied + " Files will be copied.";
    if (counts.failed != 0)
        return copied + " of the " + std::to_string(counts.selected) + " Files Copied." +
               failedText(counts);
    if (done > 1)
        return "All Files Copied (" + copied + ")";
    return copied + " File Copied.";
}

std::string upToDateText(const RunCounts& counts) {
    if (counts.existing != counts.listed)
        return {};
    if (counts.preserved != 0)
        return "All backup files up-to-date. Preserved " + std::to_string(counts.preserved) +
               " file(s).\r\n";
    if (counts.selected == 0)
        return "All backup files already up-to-date (No files replaced).\r\n";
    return {};
}

std::string timeTakenText(RunKind kind, std::chrono::nanoseconds elapsed) {
    const char* lead = kind == RunKind::Preview  ? "The time it took to preview-> "
                       : kind == RunKind::Verify ? "The time it took to verify this backup was-> "
                                                 : "The time it took to make this backup was-> ";
    return lead + FormatDuration(reportedDurationSeconds(elapsed)) + "\r\n";
}

} // namespace tidecopy
