#include "platform/posix/CloseErrorMemory.h"

#include <algorithm>
#include <array>
#include <sys/vfs.h>

namespace tidecopy {

bool closeMayReportWriteErrors(long fileSystemType) {
    // ext4 (and ext2/3), btrfs, XFS, tmpfs, F2FS, bcachefs, ZFS.
    constexpr std::array<long, 7> local = {0xEF53,     0x9123683E, 0x58465342, 0x01021994,
                                           0xF2F52010, 0xCA451A4E, 0x2FC12FC1};
    return std::find(local.begin(), local.end(), fileSystemType) == local.end();
}

bool CloseErrorMemory::closeMayFail(int fd, dev_t device) {
    const std::lock_guard lock(m_mutex);
    const auto known = std::find_if(m_known.begin(), m_known.end(),
                                    [device](const auto& entry) { return entry.first == device; });
    if (known != m_known.end())
        return known->second;
    struct statfs st {};
    if (::fstatfs(fd, &st) != 0)
        return true;
    const bool mayFail = closeMayReportWriteErrors(static_cast<long>(st.f_type));
    m_known.emplace_back(device, mayFail);
    return mayFail;
}

} // namespace tidecopy
