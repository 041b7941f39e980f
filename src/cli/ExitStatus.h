#pragma once

namespace tidecopy::cli {

// What tidecopy-cli tells its caller (a shell, cron, a systemd timer).
enum class ExitStatus {
    Success = 0,     // the run finished without problems, also when nothing needed copying
    FilesFailed = 1, // the run finished, but some file failed to copy or to verify; a verify
                     // found differences
    BadInput = 2,    // bad usage, an unreadable profile, a missing folder or checksum list
    NotRun = 3,      // refused by a check, declined at a question, or cancelled
};

inline int toInt(ExitStatus status) {
    return static_cast<int>(status);
}

} // namespace tidecopy::cli
