#include "platform/posix/PosixFileSystem.h"

#include "platform/Errors.h"
#include "platform/PathStyle.h"
#include "platform/TemporaryName.h"
#include "platform/posix/FileDescriptor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tidecopy {

namespace {

EntryType entryTypeOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return EntryType::File;
    if (S_ISDIR(mode))
        return EntryType::Directory;
    if (S_ISLNK(mode))
        return EntryType::Symlink;
    return EntryType::Other;
}

EntryType entryTypeOfDirent(unsigned char type) {
    switch (type) {
    case DT_REG:
        return EntryType::File;
    case DT_DIR:
        return EntryType::Directory;
    case DT_LNK:
        return EntryType::Symlink;
    default:
        return EntryType::Other;
    }
}

std::error_code writeAll(int fd, const std::string& contents) {
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastNativeError();
        }
        written += static_cast<std::size_t>(n);
    }
    return {};
}

std::error_code syncFolderOf(const std::string& path) {
    const std::string folder(PathStyle::posix().folderPartOf(path));
    FileDescriptor dir(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return lastNativeError();
    // Some file systems refuse fsync on folders; the rename itself already happened.
    if (::fsync(dir.get()) != 0 && errno != EINVAL && errno != EROFS)
        return lastNativeError();
    return {};
}

// The last name of a path, trailing separators ignored ("/a/.b/" names ".b"); a view,
// since every lookup of a run comes through here.
std::string_view entryNameOf(std::string_view path) {
    const std::size_t rootLength = path.starts_with('/') ? 1 : 0;
    while (path.size() > rootLength && path.back() == '/')
        path.remove_suffix(1);
    return PathStyle::posix().fileNameOf(path);
}

// Takes over fd, an open folder or -1 with errno set.
std::error_code listFolderOf(int fd, std::vector<FolderEntry>& entries) {
    FileDescriptor dirFd(fd);
    if (!dirFd.valid())
        return lastNativeError();
    DIR* dir = ::fdopendir(dirFd.get());
    if (dir == nullptr)
        return lastNativeError();
    dirFd.release();

    std::error_code error;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0)
                error = lastNativeError();
            break;
        }
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        EntryType type = entryTypeOfDirent(entry->d_type);
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // vanished while we listed
            type = entryTypeOfMode(st.st_mode);
        }
        FolderEntry item{std::string(name), type, 0};
        item.attributes = posixAttributesOf(item.name, type);
        entries.push_back(std::move(item));
    }
    ::closedir(dir);
    return error;
}

EntryInfo entryInfoOf(const struct stat& st, std::string_view name) {
    EntryInfo info;
    info.type = entryTypeOfMode(st.st_mode);
    info.size = static_cast<std::uint64_t>(st.st_size);
    info.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    info.permissions = st.st_mode & 07777;
    info.attributes = posixAttributesOf(name, info.type);
    if ((st.st_mode & S_IWUSR) == 0)
        info.attributes |= FileAttribute::ReadOnly;
    return info;
}

} // namespace

std::uint32_t posixAttributesOf(std::string_view name, EntryType type) {
    std::uint32_t attributes = 0;
    if (!name.empty() && name.front() == '.')
        attributes |= FileAttribute::Hidden;
    switch (type) {
    case EntryType::Directory:
        attributes |= FileAttribute::Directory;
        break;
    case EntryType::Other:
        attributes |= FileAttribute::System;
        break;
    case EntryType::File:
    case EntryType::Symlink:
        attributes |= FileAttribute::Archive;
        break;
    }
    return attributes;
}

std::error_code PosixFileSystem::listFolder(const std::string& folder,
                                            std::vector<FolderEntry>& entries) {
    return listFolderOf(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), entries);
}

std::error_code PosixFileSystem::listOpenFolder(const OpenFolder& folder,
                                                std::vector<FolderEntry>& entries) {
    // The folder may be open for lookups only; reading its names takes a handle of its own.
    return listFolderOf(
        ::openat(descriptorOf(folder.handle), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC), entries);
}

Result<EntryInfo> PosixFileSystem::entryInfo(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return lastNativeError();
    return entryInfoOf(st, entryNameOf(path));
}

Result<EntryInfo> PosixFileSystem::entryInfoIn(const OpenFolder& folder, const std::string& name) {
    struct stat st {};
    if (::fstatat(descriptorOf(folder.handle), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return lastNativeError();
    return entryInfoOf(st, name);
}

Result<FileIdentity> PosixFileSystem::identityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return lastNativeError();
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev),
                        static_cast<std::uint64_t>(st.st_ino)};
}

Result<std::string> PosixFileSystem::canonicalPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved)
        return lastNativeError();
    return std::string(resolved.get());
}

std::error_code PosixFileSystem::createFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0 ? std::error_code{} : lastNativeError();
}

std::error_code PosixFileSystem::removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? std::error_code{} : lastNativeError();
}

Result<std::string> PosixFileSystem::readWholeFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return lastNativeError();
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastNativeError();
        }
        if (n == 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return contents;
}

std::error_code PosixFileSystem::writeWholeFileAtomically(const std::string& path,
                                                          const std::string& contents) {
    const std::string temporary =
        std::string(PathStyle::posix().folderPartOf(path)) + makeTemporaryName();
    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.valid())
        return lastNativeError();

    std::error_code error = writeAll(fd.get(), contents);
    if (!error && ::fsync(fd.get()) != 0)
        error = lastNativeError();
    if (::close(fd.release()) != 0 && !error)
        error = lastNativeError();
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = lastNativeError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    return syncFolderOf(path);
}

std::error_code PosixFileSystem::createNewFile(const std::string& path,
                                               const std::string& contents) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.valid())
        return lastNativeError();
    std::error_code error = writeAll(fd.get(), contents);
    if (::close(fd.release()) != 0 && !error)
        error = lastNativeError();
    return error;
}

std::error_code PosixFileSystem::flushVolume(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return lastNativeError();
    return ::syncfs(fd.get()) == 0 ? std::error_code{} : lastNativeError();
}

bool PosixFileSystem::isWritableFolder(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace tidecopy
