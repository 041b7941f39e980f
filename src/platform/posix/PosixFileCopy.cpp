#include "platform/Errors.h"
#include "platform/FileSystemError.h"
#include "platform/posix/CloneMemory.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTemporaries.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tidecopy {

namespace {

constexpr std::uint64_t rangeChunk = std::uint64_t{16} << 20;
constexpr std::size_t bufferSize = std::size_t{1} << 20;

// One file being copied: the two descriptors and how far the data has got.
struct CopyJob {
    int in = -1;
    int out = -1;
    std::uint64_t size = 0;
    std::uint64_t copied = 0;
    const FileSystem::CancelCheck& cancelled;
};

enum class Method { CopyFileRange, ReadWrite };

std::error_code canceledError() {
    return std::make_error_code(std::errc::operation_canceled);
}

bool isCancelled(const CopyJob& job) {
    return job.cancelled && job.cancelled(job.copied);
}

// Errors that only say "this way of copying does not work here". Anything else (EIO,
// ENOSPC, EDQUOT, ...) is about the data and ends the copy.
bool meansUnsupported(int error) {
    return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL ||
           error == ENOSYS || error == EBADF;
}

// The two file systems of one copy and what cloning between them has answered before.
struct ClonePair {
    CloneMemory& memory;
    dev_t source;
    dev_t destination;
};

// Fast path: FICLONE shares the source's extents (btrfs, XFS, bcachefs). It copies
// nothing when it fails, so any "not supported" answer falls back to copying bytes; the
// copy_file_range that follows still shares extents where the kernel can.
bool tryClone(const CopyJob& job, const ClonePair& pair, std::error_code& error) {
    if (!pair.memory.worthTrying(pair.source, pair.destination))
        return false;
    if (::ioctl(job.out, FICLONE, job.in) == 0)
        return true;
    const int failure = errno;
    pair.memory.learn(pair.source, pair.destination, failure);
    if (!meansUnsupported(failure) && failure != EPERM)
        error = errorFromNative(failure);
    return false;
}

std::error_code writeAllAt(int fd, const char* data, std::size_t length, off_t offset) {
    while (length > 0) {
        const ssize_t n = ::pwrite(fd, data, length, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastNativeError();
        }
        data += n;
        length -= static_cast<std::size_t>(n);
        offset += n;
    }
    return {};
}

// The fallback every file system supports: read and write through a large buffer.
std::error_code readWriteRange(CopyJob& job, std::uint64_t from, std::uint64_t to) {
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(bufferSize, to - from));
    std::unique_ptr<char[]> buffer(new char[length]);
    std::uint64_t position = from;
    while (position < to) {
        if (isCancelled(job))
            return canceledError();
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, to - position));
        const ssize_t n = ::pread(job.in, buffer.get(), wanted, static_cast<off_t>(position));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastNativeError();
        }
        if (n == 0) {
            job.size = position; // the source shrank while we copied it
            return {};
        }
        if (auto error = writeAllAt(job.out, buffer.get(), static_cast<std::size_t>(n),
                                    static_cast<off_t>(position)))
            return error;
        position += static_cast<std::uint64_t>(n);
        job.copied += static_cast<std::uint64_t>(n);
    }
    return {};
}

// In-kernel copy of one data range. EXDEV, EOPNOTSUPP, ENOSYS, EINVAL and EBADF before the
// first byte switch the whole file to read/write; after it they are real failures.
std::error_code copyRange(CopyJob& job, std::uint64_t from, std::uint64_t to, Method& method) {
    std::uint64_t position = from;
    while (position < to && method == Method::CopyFileRange) {
        if (isCancelled(job))
            return canceledError();
        auto inOffset = static_cast<loff_t>(position);
        auto outOffset = inOffset;
        const auto wanted = static_cast<std::size_t>(std::min(rangeChunk, to - position));
        const ssize_t n = ::copy_file_range(job.in, &inOffset, job.out, &outOffset, wanted, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (meansUnsupported(errno) && job.copied == 0) {
                method = Method::ReadWrite;
                break;
            }
            return lastNativeError();
        }
        if (n == 0) {
            job.size = position;
            return {};
        }
        position += static_cast<std::uint64_t>(n);
        job.copied += static_cast<std::uint64_t>(n);
    }
    return position < to ? readWriteRange(job, position, to) : std::error_code{};
}

// Copies the data ranges only, so holes stay holes and a sparse file costs what its data
// costs. EINVAL/EOPNOTSUPP from SEEK_DATA (no hole support) treat the file as all data, as
// does a file whose blocks cover its size (most files: no hole search for them).
std::error_code copyData(CopyJob& job, bool holesPossible) {
    Method method = Method::CopyFileRange;
    if (!holesPossible)
        return copyRange(job, 0, job.size, method);
    std::uint64_t position = 0;
    std::uint64_t end = 0; // how far the new file reaches without a truncate
    while (position < job.size) {
        if (isCancelled(job))
            return canceledError();
        const off_t data = ::lseek(job.in, static_cast<off_t>(position), SEEK_DATA);
        std::uint64_t from = position;
        std::uint64_t to = job.size;
        if (data < 0) {
            if (errno == ENXIO)
                break;
            if (errno != EINVAL && errno != EOPNOTSUPP)
                return lastNativeError();
        } else {
            from = static_cast<std::uint64_t>(data);
            const off_t hole = ::lseek(job.in, data, SEEK_HOLE);
            if (hole > data)
                to = std::min(job.size, static_cast<std::uint64_t>(hole));
        }
        if (from >= job.size)
            break;
        if (auto error = copyRange(job, from, to, method))
            return error;
        position = to;
        end = std::min(to, job.size);
    }
    // A trailing hole, and the size itself when the file is all holes.
    if (end < job.size && ::ftruncate(job.out, static_cast<off_t>(job.size)) != 0)
        return lastNativeError();
    return {};
}

// Fewer blocks than the size needs: there may be holes to keep.
bool mayHaveHoles(const struct stat& st) {
    constexpr std::uint64_t statBlockSize = 512;
    return static_cast<std::uint64_t>(st.st_blocks) * statBlockSize <
           static_cast<std::uint64_t>(st.st_size);
}

// O_NONBLOCK: a FIFO handed over by mistake must not hang the run; O_NOFOLLOW: links are
// recreated as links by the caller, never copied through.
int openForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
}

std::error_code checkRegularFile(const FileDescriptor& fd, struct stat& st) {
    if (!fd.valid())
        return lastNativeError();
    if (::fstat(fd.get(), &st) != 0)
        return lastNativeError();
    if (S_ISDIR(st.st_mode))
        return errorFromNative(EISDIR);
    if (!S_ISREG(st.st_mode))
        return errorFromNative(EINVAL);
    return {};
}

std::size_t readFully(int fd, char* buffer, std::size_t length, std::error_code& error) {
    std::size_t total = 0;
    while (total < length) {
        const ssize_t n = ::read(fd, buffer + total, length - total);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = lastNativeError();
            return total;
        }
        if (n == 0)
            break;
        total += static_cast<std::size_t>(n);
    }
    return total;
}

std::error_code copyBytes(int in, int out, const struct stat& st, const ClonePair& clone,
                          bool closeMayFail, const FileSystem::CancelCheck& cancelled) {
    CopyJob job{in, out, static_cast<std::uint64_t>(st.st_size), 0, cancelled};
    if (isCancelled(job))
        return canceledError();
    std::error_code error;
    if (job.size > 0 && !tryClone(job, clone, error) && !error)
        error = copyData(job, mayHaveHoles(st));
    // Some network file systems report a failed write only when a descriptor is closed. A
    // duplicate is closed, so the lock, which belongs to the original, stays.
    if (!error && closeMayFail) {
        const int duplicate = ::fcntl(out, F_DUPFD_CLOEXEC, 0);
        if (duplicate < 0 || ::close(duplicate) != 0)
            error = lastNativeError();
    }
    return error;
}

bool sameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// A writer in the middle of the copy moves the size, the modification time or, when it
// puts that back, the change time: the copy would be a mix of two versions.
std::error_code unchangedSince(int fd, const struct stat& before) {
    struct stat after {};
    if (::fstat(fd, &after) != 0)
        return lastNativeError();
    if (after.st_size != before.st_size || !sameTime(after.st_mtim, before.st_mtim) ||
        !sameTime(after.st_ctim, before.st_ctim))
        return make_error_code(FileSystemError::SourceChanged);
    return {};
}

// ext4 (auto_da_alloc, on unless mounted otherwise) and btrfs write a file's data before a
// rename that replaces another file commits. Elsewhere (XFS, FAT, exFAT, NTFS, network
// file systems) only a flush makes the replacement safe; it costs a disk round trip per
// file, which these two spare.
bool replacingRenameWritesDataFirst(int fd) {
    constexpr long ext4Magic = 0xEF53;
    constexpr long btrfsMagic = 0x9123683E;
    struct statfs st {};
    return ::fstatfs(fd, &st) == 0 && (st.f_type == ext4Magic || st.f_type == btrfsMagic);
}

EntryInfo copiedSource(const struct stat& st) {
    EntryInfo info;
    info.size = static_cast<std::uint64_t>(st.st_size);
    info.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    info.permissions = st.st_mode & 07777;
    return info;
}

} // namespace

Result<TemporaryFile> PosixFileSystem::createTemporaryCopy(const OpenFolder& folder,
                                                           const std::string& source,
                                                           const CancelCheck& cancelled) {
    FileDescriptor in(openForReading(source));
    struct stat before {};
    if (auto error = checkRegularFile(in, before))
        return error;
    dev_t destination = 0;
    Result<TemporaryFile> temporary = createLockedTemporary(folder, destination);
    if (!temporary)
        return temporary;
    TemporaryFile& file = temporary.value();
    const ClonePair clone{m_clones, before.st_dev, destination};
    const int out = descriptorOf(file.handle);
    std::error_code error = copyBytes(in.get(), out, before, clone,
                                      m_closeErrors.closeMayFail(out, destination), cancelled);
    if (!error)
        error = unchangedSince(in.get(), before);
    if (error) {
        ::unlinkat(descriptorOf(folder.handle), file.name.c_str(), 0);
        return error;
    }
    file.source = copiedSource(before);
    return temporary;
}

std::error_code PosixFileSystem::flushBeforeReplacing(TemporaryFile& file) {
    const int fd = descriptorOf(file.handle);
    if (replacingRenameWritesDataFirst(fd))
        return {};
    return ::fdatasync(fd) == 0 ? std::error_code{} : lastNativeError();
}

std::error_code PosixFileSystem::flushAndDropCache(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.valid())
        return lastNativeError();
    if (::fdatasync(fd.get()) != 0)
        return lastNativeError();
    // Only clean pages can be dropped, which is why the data was written through first.
    if (const int error = ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED); error != 0)
        return errorFromNative(error);
    return {};
}

Result<bool> PosixFileSystem::compareContents(const std::string& first, const std::string& second,
                                              const CancelCheck& cancelled,
                                              const ByteSink& secondBytes) {
    FileDescriptor a(openForReading(first));
    struct stat stA {};
    if (auto error = checkRegularFile(a, stA))
        return error;
    FileDescriptor b(openForReading(second));
    struct stat stB {};
    if (auto error = checkRegularFile(b, stB))
        return error;
    if (stA.st_size != stB.st_size)
        return false;
    ::posix_fadvise(a.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    ::posix_fadvise(b.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    std::unique_ptr<char[]> bufferA(new char[bufferSize]);
    std::unique_ptr<char[]> bufferB(new char[bufferSize]);
    for (std::uint64_t compared = 0;; compared += bufferSize) {
        if (cancelled && cancelled(compared))
            return canceledError();
        std::error_code error;
        const std::size_t nA = readFully(a.get(), bufferA.get(), bufferSize, error);
        const std::size_t nB = readFully(b.get(), bufferB.get(), bufferSize, error);
        if (error)
            return error;
        if (nA != nB || std::memcmp(bufferA.get(), bufferB.get(), nA) != 0)
            return false;
        if (secondBytes)
            secondBytes(std::string_view(bufferB.get(), nB));
        if (nA < bufferSize)
            return true;
    }
}

std::error_code PosixFileSystem::readContents(const std::string& path, const ByteSink& sink,
                                              const CancelCheck& cancelled) {
    FileDescriptor fd(openForReading(path));
    struct stat st {};
    if (auto error = checkRegularFile(fd, st))
        return error;
    // Clean pages only: unlike flushAndDropCache, no write-through, which would cost a
    // journal commit per file when reading has dirtied the access time.
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    // One read more than the size tells the end; small files need no large buffer.
    const auto length = static_cast<std::size_t>(
        std::min<std::uint64_t>(bufferSize, static_cast<std::uint64_t>(st.st_size) + 1));
    std::unique_ptr<char[]> buffer(new char[length]);
    std::uint64_t read = 0;
    for (;;) {
        if (cancelled && cancelled(read))
            return canceledError();
        std::error_code error;
        const std::size_t n = readFully(fd.get(), buffer.get(), length, error);
        if (error)
            return error;
        read += n;
        if (n > 0)
            sink(std::string_view(buffer.get(), n));
        if (n < length)
            return {};
    }
}

} // namespace tidecopy
