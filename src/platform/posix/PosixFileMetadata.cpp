#include "platform/Errors.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tidecopy {

namespace {

constexpr std::int64_t nsPerSecond = 1'000'000'000;

// File systems whose modification times are coarser than a nanosecond. FAT keeps two
// seconds; exFAT is counted the same because many devices write it that way.
std::int64_t resolutionOfFileSystemType(long type) {
    constexpr long msdosMagic = 0x4d44;
    constexpr long exfatMagic = 0x2011BAB0;
    constexpr long hfsPlusMagic = 0x482b;
    constexpr long ntfsMagic = 0x5346544e;
    constexpr long ntfs3Magic = 0x7366746e;
    switch (type) {
    case msdosMagic:
    case exfatMagic:
        return 2 * nsPerSecond;
    case hfsPlusMagic:
        return nsPerSecond;
    case ntfsMagic:
    case ntfs3Magic:
        return 100;
    default:
        return 1;
    }
}

// The access time stays; the modification time is set, whole seconds and nanoseconds.
struct TimesToSet {
    explicit TimesToSet(std::int64_t modifiedNs) {
        std::int64_t seconds = modifiedNs / nsPerSecond;
        std::int64_t nanoseconds = modifiedNs % nsPerSecond;
        if (nanoseconds < 0) {
            nanoseconds += nsPerSecond;
            --seconds;
        }
        times[0] = {0, UTIME_OMIT};
        times[1] = {static_cast<time_t>(seconds), static_cast<long>(nanoseconds)};
    }
    struct timespec times[2];
};

std::error_code resultOf(int status) {
    return status == 0 ? std::error_code{} : lastNativeError();
}

} // namespace

std::error_code PosixFileSystem::setTemporaryTime(TemporaryFile& file, std::int64_t modifiedNs) {
    const TimesToSet times(modifiedNs);
    return resultOf(::futimens(descriptorOf(file.handle), times.times));
}

std::error_code PosixFileSystem::setTemporaryPermissions(TemporaryFile& file,
                                                         std::uint32_t permissions) {
    return resultOf(::fchmod(descriptorOf(file.handle), static_cast<mode_t>(permissions & 07777)));
}

std::error_code PosixFileSystem::setLinkTime(const OpenFolder& folder, const std::string& name,
                                             std::int64_t modifiedNs) {
    const TimesToSet times(modifiedNs);
    return resultOf(
        ::utimensat(descriptorOf(folder.handle), name.c_str(), times.times, AT_SYMLINK_NOFOLLOW));
}

Result<std::string> PosixFileSystem::readSymlink(const std::string& path) {
    std::string text(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), text.data(), text.size());
        if (n < 0)
            return lastNativeError();
        if (static_cast<std::size_t>(n) < text.size()) {
            text.resize(static_cast<std::size_t>(n));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

Result<std::int64_t> PosixFileSystem::timestampResolutionNs(const std::string& path) {
    struct statfs st {};
    if (::statfs(path.c_str(), &st) != 0)
        return lastNativeError();
    return resolutionOfFileSystemType(static_cast<long>(st.f_type));
}

} // namespace tidecopy
