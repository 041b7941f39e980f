#pragma once

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

// How far a run has got, as the time it has left is estimated from it.
struct RunPace {
    std::size_t fileNumber = 0; // the file being handled, from 1
    std::size_t fileCount = 0;
    std::chrono::nanoseconds elapsed{0}; // from the run's start to this file's
    std::chrono::nanoseconds inFile{0};  // since this file began
    std::uint64_t fileBytes = 0;
    std::uint64_t fileBytesDone = 0;
};

// The time the run has left, rounded to whole seconds: the files after the current one
// at the pace of the files so far (elapsed / fileNumber each), and the rest of the
// current file at the pace of its own bytes once some are done, so that a large file
// counts down while it is copied.
std::chrono::seconds estimatedTimeRemaining(const RunPace& pace);

// "Copying Files... 34% - Estimated Time Remaining 00:01:05", with "Preview " before it
// in a preview, "Verifying Files... " in its place in a verify.
std::string progressText(RunKind kind, const RunPace& pace);
// The same text from the percentage and the time remaining.
std::string progressText(RunKind kind, int percentage, std::chrono::seconds remaining);

} // namespace tidecopy
