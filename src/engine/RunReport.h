#pragma once

#include "engine/RunTimeTexts.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace tidecopy {

// What a run counted, for the lines that report it.
struct RunCounts {
    std::size_t listed = 0;    // FileList.Count
    std::size_t selected = 0;  // FilesSelected: the copy decision said copy
    std::size_t copied = 0;    // selected files whose copy finished (a backup only)
    std::size_t failed = 0;    // selected files whose copy failed
    std::size_t existing = 0;  // ExistingCount
    std::size_t preserved = 0; // PreservedCount
};

// How a run ended, for front ends that report it (the command line's exit status).
enum class RunEnding {
    Refused,  // a pre-run check or the confirmation ended it before it started
    Declined, // "No" to the destination-folder question
    Cancelled,
    Finished,
};

// What a run reports when its files are done: how it ended, what it counted and the
// destination drive's free space afterwards.
struct RunReport {
    RunEnding ending = RunEnding::Refused;
    RunCounts counts;
    // Files that failed, unreadable source folders and a failed flush of the destination.
    std::size_t failedFiles = 0;
    std::size_t integrityFailures = 0; // files that failed the integrity check
    std::string destinationFreeSpace;  // as lblFreeSpace shows it
};

// RunSummary: the run's one-line result (without line end). A backup counts the copies
// that finished; a file that failed or was cancelled half-way is not one of them.
std::string runSummaryText(RunKind kind, bool cancelled, const RunCounts& counts);

// The up-to-date line (with CR LF) when every destination already existed and nothing
// needed copying, or existing files were preserved; empty otherwise.
std::string upToDateText(const RunCounts& counts);

// "The time it took to make this backup was-> 00:01:05" (or "to preview-> ", or "to verify
// this backup was-> "), with CR LF.
std::string timeTakenText(RunKind kind, std::chrono::nanoseconds elapsed);

// Logged instead of the after-backup actions when a run was cancelled or selected nothing
// (no line end).
inline constexpr const char* afterActionsSkippedText =
    "Options: 'Closing program' or 'Shutdown PC' will not be executed because of one or more "
    "errors/problems during backup.";

} // namespace tidecopy
