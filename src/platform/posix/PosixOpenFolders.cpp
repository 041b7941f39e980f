#include "platform/Errors.h"
#include "platform/FileSystemError.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tidecopy {

namespace {

// A folder is held open for lookups only (O_PATH): enough to reach names from it, and it
// needs no read permission.
constexpr int folderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

Result<OpenFolder> openedFolder(int fd, std::string path) {
    if (fd < 0)
        return lastNativeError();
    if (!path.empty() && path.back() != '/')
        path += '/';
    return OpenFolder{NativeHandle(fd), std::move(path)};
}

// One level. A link there gives ENOTDIR, as a file does; only a second look tells them apart.
int openLevel(int base, const std::string& name) {
    if (name == "..") {
        errno = EINVAL; // would climb out of the destination
        return -1;
    }
    const int fd = ::openat(base, name.c_str(), folderFlags | O_NOFOLLOW);
    if (fd < 0 && errno == ENOTDIR) {
        struct stat st {};
        if (::fstatat(base, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
            errno = ELOOP;
        else
            errno = ENOTDIR;
    }
    return fd;
}

// All levels in one lookup that refuses links and anything leading out of base. Before
// Linux 5.6 (ENOSYS) or in a sandbox that filters the call (EPERM) this fails, and the
// caller opens the levels one by one.
int openLevelsAtOnce(int base, const std::string& relative) {
    open_how how{};
    how.flags = folderFlags;
    how.resolve = RESOLVE_NO_SYMLINKS | RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    return static_cast<int>(::syscall(SYS_openat2, base, relative.c_str(), &how, sizeof how));
}

std::error_code resultOf(int status) {
    return status == 0 ? std::error_code{} : lastNativeError();
}

// Both names are reached from fd (AT_FDCWD: paths).
std::error_code renameAt(int fd, const std::string& from, const std::string& to,
                         FileSystem::RenameMode mode) {
    using RenameMode = FileSystem::RenameMode;
    const unsigned flags = mode == RenameMode::NoReplace  ? RENAME_NOREPLACE
                           : mode == RenameMode::Exchange ? RENAME_EXCHANGE
                                                          : 0;
    if (::renameat2(fd, from.c_str(), fd, to.c_str(), flags) == 0)
        return {};
    // EINVAL/ENOSYS: the file system or kernel lacks RENAME_NOREPLACE. link() never
    // replaces either, so link + unlink keeps the promise for files. An exchange has no
    // such stand-in: the caller decides.
    if (mode != RenameMode::NoReplace || (errno != EINVAL && errno != ENOSYS))
        return lastNativeError();
    if (::linkat(fd, from.c_str(), fd, to.c_str(), 0) != 0)
        return lastNativeError();
    if (::unlinkat(fd, from.c_str(), 0) != 0) {
        const std::error_code error = lastNativeError();
        ::unlinkat(fd, to.c_str(), 0);
        return error;
    }
    return {};
}

} // namespace

void NativeHandle::close() {
    if (m_value != none)
        ::close(static_cast<int>(m_value));
    m_value = none;
}

Result<OpenFolder> PosixFileSystem::openFolder(const std::string& path) {
    return openedFolder(::open(path.c_str(), folderFlags), path);
}

Result<OpenFolder> PosixFileSystem::openSubfolder(const OpenFolder& base,
                                                  const std::string& relative) {
    const int baseFd = descriptorOf(base.handle);
    const int fd = relative.find('/') == std::string::npos ? openLevel(baseFd, relative)
                                                           : openLevelsAtOnce(baseFd, relative);
    if (fd < 0 && errno == ELOOP)
        return make_error_code(FileSystemError::SymlinkNotFollowed);
    return openedFolder(fd, base.path + relative);
}

std::error_code PosixFileSystem::createSubfolder(const OpenFolder& base, const std::string& name) {
    return resultOf(::mkdirat(descriptorOf(base.handle), name.c_str(), 0777));
}

std::error_code PosixFileSystem::linkIn(const OpenFolder& folder, const std::string& existing,
                                        const std::string& newName) {
    const int fd = descriptorOf(folder.handle);
    return resultOf(::linkat(fd, existing.c_str(), fd, newName.c_str(), 0));
}

std::error_code PosixFileSystem::renameIn(const OpenFolder& folder, const std::string& from,
                                          const std::string& to, RenameMode mode) {
    return renameAt(descriptorOf(folder.handle), from, to, mode);
}

std::error_code PosixFileSystem::renamePath(const std::string& from, const std::string& to,
                                            RenameMode mode) {
    return renameAt(AT_FDCWD, from, to, mode);
}

std::error_code PosixFileSystem::removeIn(const OpenFolder& folder, const std::string& name) {
    return resultOf(::unlinkat(descriptorOf(folder.handle), name.c_str(), 0));
}

} // namespace tidecopy
