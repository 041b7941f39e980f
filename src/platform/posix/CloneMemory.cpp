#include "platform/posix/CloneMemory.h"

#include <algorithm>
#include <cerrno>

namespace tidecopy {

namespace {

// No clone support in the file system or the kernel, or two file systems that cannot
// share extents.
bool holdsForThePair(int error) {
    return error == EOPNOTSUPP || error == ENOTTY || error == ENOSYS || error == EXDEV;
}

} // namespace

bool CloneMemory::worthTrying(dev_t source, dev_t destination) const {
    const std::lock_guard lock(m_mutex);
    return std::find(m_unsupported.begin(), m_unsupported.end(), std::pair{source, destination}) ==
           m_unsupported.end();
}

void CloneMemory::learn(dev_t source, dev_t destination, int error) {
    if (!holdsForThePair(error))
        return;
    const std::lock_guard lock(m_mutex);
    const std::pair pair{source, destination};
    if (std::find(m_unsupported.begin(), m_unsupported.end(), pair) == m_unsupported.end())
        m_unsupported.push_back(pair);
}

} // namespace tidecopy
