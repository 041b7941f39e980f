#include "platform/Errors.h"
#include "platform/win32/NtFiles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Entries.h"
#include "platform/win32/Win32FileSystem.h"

#include <cstddef>
#include <vector>
#include <winioctl.h>

namespace tidecopy {

namespace {

constexpr std::int64_t nsPerSecond = 1'000'000'000;
constexpr std::int64_t nsPerTick = 100;

std::error_code setBasicInfo(HANDLE file, FILE_BASIC_INFO basic) {
    return ::SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic)
               ? std::error_code{}
               : lastNativeError();
}

// Only the modification time; zero leaves the other times and the attributes as they are.
std::error_code setModifiedTime(HANDLE file, std::int64_t modifiedNs) {
    FILE_BASIC_INFO basic{};
    basic.LastWriteTime.QuadPart = ticksOfNanoseconds(modifiedNs);
    return setBasicInfo(file, basic);
}

// The reparse data of a symbolic link or junction, as FSCTL_GET_REPARSE_POINT gives it.
struct ReparseData {
    ULONG tag;
    USHORT dataLength;
    USHORT reserved;
    USHORT substituteOffset;
    USHORT substituteLength;
    USHORT printOffset;
    USHORT printLength;
};

std::wstring_view nameIn(const std::byte* names, USHORT offset, USHORT length) {
    return {reinterpret_cast<const wchar_t*>(names + offset), length / sizeof(wchar_t)};
}

} // namespace

std::error_code Win32FileSystem::setTemporaryTime(TemporaryFile& file, std::int64_t modifiedNs) {
    return setModifiedTime(handleOf(file.handle), modifiedNs);
}

// Of the POSIX bits Windows keeps one: a file nobody may write is read-only.
std::error_code Win32FileSystem::setTemporaryPermissions(TemporaryFile& file,
                                                         std::uint32_t permissions) {
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandleEx(handleOf(file.handle), FileBasicInfo, &basic, sizeof basic))
        return lastNativeError();
    DWORD attributes = basic.FileAttributes & ~FILE_ATTRIBUTE_READONLY;
    if ((permissions & 0222) == 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    basic = FILE_BASIC_INFO{};
    basic.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
    return setBasicInfo(handleOf(file.handle), basic);
}

std::error_code Win32FileSystem::setLinkTime(const OpenFolder& folder, const std::string& name,
                                             std::int64_t modifiedNs) {
    ScopedHandle link;
    if (auto error =
            openRelative(handleOf(folder.handle), widened(name), {FILE_WRITE_ATTRIBUTES}, link))
        return error;
    return setModifiedTime(link.get(), modifiedNs);
}

// The text a user gave the link (its print name); the system's own form without it.
Result<std::string> Win32FileSystem::readSymlink(const std::string& path) {
    const ScopedHandle link(::CreateFileW(
        extendedPath(path).c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!link.valid())
        return lastNativeError();
    std::vector<std::byte> buffer(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD size = 0;
    if (!::DeviceIoControl(link.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, buffer.data(),
                           static_cast<DWORD>(buffer.size()), &size, nullptr))
        return lastNativeError();
    const auto* data = reinterpret_cast<const ReparseData*>(buffer.data());
    // A symbolic link's names follow a flags field that a junction's do not have.
    std::size_t namesAt = sizeof(ReparseData);
    if (data->tag == IO_REPARSE_TAG_SYMLINK)
        namesAt += sizeof(ULONG);
    else if (data->tag != IO_REPARSE_TAG_MOUNT_POINT)
        return std::make_error_code(std::errc::invalid_argument);
    const std::byte* names = buffer.data() + namesAt;
    std::wstring_view text = nameIn(names, data->printOffset, data->printLength);
    if (text.empty()) {
        text = nameIn(names, data->substituteOffset, data->substituteLength);
        if (text.starts_with(LR"(\??\)"))
            text.remove_prefix(4);
    }
    return narrowed(text);
}

// FAT keeps two seconds; exFAT is counted the same because many devices write it that way.
// Everything else keeps the system's own step of 100 ns.
Result<std::int64_t> Win32FileSystem::timestampResolutionNs(const std::string& path) {
    wchar_t root[MAX_PATH + 1];
    wchar_t fileSystem[MAX_PATH + 1];
    if (!::GetVolumePathNameW(extendedPath(path).c_str(), root, MAX_PATH) ||
        !::GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, nullptr, fileSystem, MAX_PATH))
        return lastNativeError();
    const std::wstring_view type(fileSystem);
    if (type == L"FAT" || type == L"FAT32" || type == L"exFAT")
        return 2 * nsPerSecond;
    return nsPerTick;
}

} // namespace tidecopy
