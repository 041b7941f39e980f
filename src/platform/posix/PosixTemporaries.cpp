#include "platform/posix/PosixTemporaries.h"

#include "platform/Errors.h"
#include "platform/TemporaryName.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace tidecopy {

namespace {

constexpr int attemptsForName = 4;

// The name still leads to the file held open.
bool nameLeadsTo(int folderFd, const std::string& name, int fd) {
    struct stat byName {};
    struct stat held {};
    return ::fstatat(folderFd, name.c_str(), &byName, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(fd, &held) == 0 && byName.st_ino == held.st_ino && byName.st_dev == held.st_dev;
}

// Created with O_EXCL, the name was ours; a clean-up that took the file before our lock
// has removed it, which leaves it without links.
bool stillNamed(int fd, struct stat& held) {
    return ::fstat(fd, &held) == 0 && held.st_nlink > 0;
}

// Where locks are unsupported (ENOLCK, EOPNOTSUPP on some network file systems) the file
// goes unlocked; no clean-up there can take a lock either, so it removes nothing.
void lockWhileWritten(int fd) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

} // namespace

// The lock comes just after the file: another run's clean-up may take the new file in
// between and remove it. The file is then checked to still have its name.
Result<TemporaryFile> createLockedTemporary(const OpenFolder& folder, dev_t& device) {
    const int folderFd = descriptorOf(folder.handle);
    std::error_code error;
    for (int attempt = 0; attempt < attemptsForName; ++attempt) {
        std::string name = makeTemporaryName();
        // Owner-only until the caller gives it the source's permission bits.
        FileDescriptor fd(::openat(folderFd, name.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!fd.valid()) {
            error = lastNativeError();
            if (error == std::errc::file_exists)
                continue;
            return error;
        }
        lockWhileWritten(fd.get());
        struct stat held {};
        if (stillNamed(fd.get(), held)) {
            device = held.st_dev;
            return TemporaryFile{NativeHandle(fd.release()), folder.path, std::move(name), {}};
        }
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    }
    return error;
}

Result<std::string> PosixFileSystem::createTemporaryLink(const OpenFolder& folder,
                                                         const std::string& targetText) {
    std::error_code error;
    for (int attempt = 0; attempt < attemptsForName; ++attempt) {
        std::string name = makeTemporaryName();
        if (::symlinkat(targetText.c_str(), descriptorOf(folder.handle), name.c_str()) == 0)
            return name;
        error = lastNativeError();
        if (error != std::errc::file_exists)
            break;
    }
    return error;
}

// A link has no lock to show that it is unused (a run holds its link temporary for a few
// microseconds only): it is left alone, as is anything that cannot be opened.
std::error_code PosixFileSystem::removeUnusedTemporary(const OpenFolder& folder,
                                                       const std::string& name) {
    const int folderFd = descriptorOf(folder.handle);
    FileDescriptor fd(
        ::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return lastNativeError();
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK
                   ? std::make_error_code(std::errc::resource_unavailable_try_again)
                   : lastNativeError();
    if (!nameLeadsTo(folderFd, name, fd.get()))
        return std::make_error_code(std::errc::no_such_file_or_directory);
    return ::unlinkat(folderFd, name.c_str(), 0) == 0 ? std::error_code{} : lastNativeError();
}

} // namespace tidecopy
