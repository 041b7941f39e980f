#pragma once

#include <mutex>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace tidecopy {

// Whether a file system of this type (statfs f_type) may report a failed write only when
// the file is closed: network and FUSE file systems may; the local ones named in the
// implementation report every failed write when it happens, or at fsync.
bool closeMayReportWriteErrors(long fileSystemType);

// The answer of closeMayReportWriteErrors per device, asked with fstatfs once per device,
// so that a run of many small files pays for the closing check only where it can matter.
// Safe to share between threads.
class CloseErrorMemory {
public:
    // fd is an open file on device; a device that cannot be asked counts as one that may.
    bool closeMayFail(int fd, dev_t device);

private:
    std::mutex m_mutex;
    std::vector<std::pair<dev_t, bool>> m_known;
};

} // namespace tidecopy
