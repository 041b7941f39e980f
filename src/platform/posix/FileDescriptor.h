#pragma once

#include "platform/OpenHandles.h"

#include <unistd.h>
#include <utility>

namespace tidecopy {

// Owns a POSIX file descriptor and closes it on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// The descriptor inside the neutral handle type.
inline int descriptorOf(const NativeHandle& handle) {
    return static_cast<int>(handle.get());
}

} // namespace tidecopy
