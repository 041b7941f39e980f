#pragma once

#include <mutex>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace tidecopy {

// The pairs of devices (source, destination) where cloning has answered that it cannot
// work at all, so that a run of many small files asks once per pair, not once per file.
// Answers about one file (EPERM on an immutable file, EINVAL on btrfs when the two files'
// checksum settings differ) are not remembered. Safe to share between threads.
class CloneMemory {
public:
    bool worthTrying(dev_t source, dev_t destination) const;
    // Records the pair when error (an errno from FICLONE) holds for the whole pair.
    void learn(dev_t source, dev_t destination, int error);

private:
    mutable std::mutex m_mutex;
    std::vector<std::pair<dev_t, dev_t>> m_unsupported;
};

} // namespace tidecopy
