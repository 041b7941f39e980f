#include "engine/RunTimeTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tidecopy {

namespace {

constexpr std::int64_t secondsPerMinute = 60;
constexpr std::int64_t secondsPerHour = 3600;

} // namespace

std::string FormatDuration(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(seconds, 0);
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld",
                  static_cast<long long>(seconds / secondsPerHour),
                  static_cast<long long>(seconds / secondsPerMinute % secondsPerMinute),
                  static_cast<long long>(seconds % secondsPerMinute));
    return text;
}

std::int64_t reportedDurationSeconds(std::chrono::nanoseconds elapsed) {
    const auto whole = std::chrono::ceil<std::chrono::seconds>(elapsed).count();
    return std::max<std::int64_t>(whole, 1);
}

int progressPercentage(std::size_t fileNumber, std::size_t fileCount) {
    if (fileCount == 0)
        return 100;
    const std::size_t percentage = fileNumber * 100 / fileCount + 1;
    return static_cast<int>(std::min<std::size_t>(percentage, 100));
}

std::chrono::seconds estimatedTimeRemaining(const RunPace& pace) {
    using Seconds = std::chrono::duration<double>;
    Seconds remaining{0};
    if (pace.fileNumber > 0 && pace.fileNumber < pace.fileCount)
        remaining += Seconds(pace.elapsed) / static_cast<double>(pace.fileNumber) *
                     static_cast<double>(pace.fileCount - pace.fileNumber);
    if (pace.fileBytesDone > 0 && pace.fileBytesDone < pace.fileBytes)
        remaining += Seconds(pace.inFile) / static_cast<double>(pace.fileBytesDone) *
                     static_cast<double>(pace.fileBytes - pace.fileBytesDone);
    return std::chrono::seconds(std::llround(remaining.count()));
}

std::string progressText(RunKind kind, int percentage, std::chrono::seconds remaining) {
    std::string text = kind == RunKind::Preview  ? "Preview Copying Files... "
                       : kind == RunKind::Verify ? "Verifying Files... "
                                                 : "Copying Files... ";
    text.append(std::to_string(percentage))
        .append("% - Estimated Time Remaining ")
        .append(FormatDuration(remaining.count()));
    return text;
}

std::string progressText(RunKind kind, const RunPace& pace) {
    return progressText(kind, progressPercentage(pace.fileNumber, pace.fileCount),
                        estimatedTimeRemaining(pace));
}

} // namespace tidecopy
