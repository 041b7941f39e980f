#pragma once

#include "platform/Volumes.h"

#include <string>

namespace tidecopy {

// How a run shares the look at its files, and the copies of the small ones, among threads.
struct RunWorkers {
    // Threads looking at files at once; with 1 everything happens on the run's own thread.
    unsigned threads = 1;
    // Whether those threads also copy small files. Not onto a spinning disk, whose head
    // would only jump between files written at once: every copy then waits its turn on the
    // run's own thread.
    bool copySmallFiles = false;
};

// True when the system says the disk holding path spins.
bool onSpinningDisk(Volumes& volumes, const std::string& path);

// A few threads, more than the cores: a look at a file that is not cached waits for the
// disk, and a disk answers several requests at once faster than one after the other.
RunWorkers runWorkersFor(Volumes& volumes, const std::string& destination);

} // namespace tidecopy
