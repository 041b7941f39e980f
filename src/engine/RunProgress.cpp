#include "engine/RunHost.h"

namespace tidecopy {

void RunProgress::advance(RunKind kind, std::size_t number, std::size_t count,
                          std::chrono::nanoseconds elapsed) {
    const int percentage = progressPercentage(number, count);
    const std::chrono::seconds left = estimatedTimeRemaining(number, count, elapsed);
    if (percentage != percent || left != remaining) {
        text = progressText(kind, percentage, left);
        percent = percentage;
        remaining = left;
    }
    filesListed = count;
    fileNumber = number;
}

} // namespace tidecopy
