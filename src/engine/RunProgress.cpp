#include "engine/RunHost.h"

namespace tidecopy {

bool RunProgress::advance(RunKind kind, const RunPace& pace) {
    filesListed = pace.fileCount;
    fileNumber = pace.fileNumber;
    const int percentage = progressPercentage(pace.fileNumber, pace.fileCount);
    const std::chrono::seconds left = estimatedTimeRemaining(pace);
    if (percentage == percent && left == remaining)
        return false;
    text = progressText(kind, percentage, left);
    percent = percentage;
    remaining = left;
    return true;
}

} // namespace tidecopy
