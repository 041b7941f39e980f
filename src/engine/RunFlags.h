#pragma once

#include <atomic>

namespace tidecopy {

// The program-wide flags of a backup run. CancelRequested is set by the front end from
// any thread (the Cancel button, Ctrl+C) and read by the run between files and chunks.
struct RunFlags {
    std::atomic<bool> CancelRequested{false};
    bool PreviewMode = false;
    bool CountdownCancelled = false;
};

} // namespace tidecopy
