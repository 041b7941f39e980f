#pragma once

#include "engine/RunHost.h"
#include "engine/RunLog.h"
#include "platform/PathStyle.h"
#include "platform/Platform.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

namespace tidecopy {

// What a verify found.
struct VerifyCounts {
    std::size_t listed = 0;         // files the list names
    std::size_t checked = 0;        // of them, read (all unless cancelled)
    std::size_t intact = 0;         // the digest as listed
    std::size_t changed = 0;        // another digest...
    std::size_t rotOrTampering = 0; // ...of them, with the size and time as listed
    std::size_t missing = 0;        // no file under its name
    std::size_t unreadable = 0;     // files and folders that could not be read
    std::size_t extra = 0;          // files the list does not name
    std::size_t damagedLines = 0;   // lines of the list that name no file

    bool differences() const { return changed + missing + unreadable + extra + damagedLines > 0; }
};

enum class VerifyEnding { NoList, Cancelled, Finished };

struct VerifyReport {
    VerifyEnding ending = VerifyEnding::NoList;
    VerifyCounts counts;
};

// What a verify works with: the platform's services, the front end, the log and the
// Cancel flag, which the front end sets from any thread.
struct VerifyContext {
    Platform& platform;
    RunHost& host;
    RunLog& log;
    const std::atomic<bool>& cancelRequested;
    // Files read at once: a few on a disk that does not spin (verifyWorkersFor).
    unsigned workers = 1;
    PathStyle style = PathStyle::native();
    // Called between files and folders.
    std::function<void()> betweenSteps = {};
};

// Checks every file of the destination folder's checksum list against the disk, each read
// from the disk rather than from the cache: names the files that are missing, changed (and
// among them those whose size and time are as listed, the sign of rot or tampering) or
// unreadable, then the files the list does not name, and ends with a summary line. It shows
// itself to the host as a run of the kind RunKind::Verify and changes no file.
VerifyReport verifyBackup(VerifyContext& context, const std::string& destinationFolder);

// One reader on a spinning disk, whose head would only jump between files; a few elsewhere.
unsigned verifyWorkersFor(Volumes& volumes, const std::string& folder);

// "Backup verified: 8 listed file(s), 5 intact, 2 changed (...), 1 missing, ..." (no line end).
std::string verifySummaryText(const VerifyCounts& counts);

} // namespace tidecopy
