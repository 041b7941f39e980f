#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tidecopy {

// The time and progress texts of a backup run, computed from times the run measures.

enum class RunKind {
    Backup,
    Preview,
    Verify, // a check of a backup against its checksum list, shown as a run is
};

// "hh:mm:ss" for a whole number of seconds: at least two digits each, hours not
// wrapping at a day (65 gives "00:01:05").
std::string FormatDuration(std::int64_t seconds);

// The seconds the time line reports for an elapsed time: rounded up to whole seconds,
// at least 1 (a run of 61 minutes and 5 seconds reports 01:01:05).
std::int64_t reportedDurationSeconds(std::chrono::nanoseconds elapsed);

// The percentage shown while file fileNumber (1-based) of fileCount is handled: the
// whole part of fileNumber * 100 / fileCount, plus 1, never more than 100.
int progressPercentage(std::size_t fileNumber, std::size_t fileCount);

// The time the remaining files will take at the pace of the files handled so far,
// rounded to whole seconds.
std::chrono::seconds estimatedTimeRemaining(std::size_t fileNumber, std::size_t fileCount,
                                            std::chrono::nanoseconds elapsed);

// "Copying Files... 34% - Estimated Time Remaining 00:01:05", with "Preview " before it
// in a preview, "Verifying Files... " in its place in a verify.
std::string progressText(RunKind kind, std::size_t fileNumber, std::size_t fileCount,
                         std::chrono::nanoseconds elapsed);
// The same text from the percentage and the time remaining.
std::string progressText(RunKind kind, int percentage, std::chrono::seconds remaining);

// The date and time a log line names: "2026-12-06 17:59:38".
std::string generalDateTimeText(const LocalDateTime& moment);

} // namespace tidecopy
