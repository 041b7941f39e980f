#include "platform/win32/Win32Volumes.h"

#include "platform/Errors.h"
#include "platform/win32/WideText.h"

#include <string>
#include <windows.h>
#include <winioctl.h>

namespace tidecopy {

namespace {

// What the storage driver says of the drive's seek penalty; false where it cannot tell
// (no medium, a network drive, an old driver).
bool incursSeekPenalty(const wchar_t* root) {
    std::wstring device = L"\\\\.\\";
    device.append(root, 2); // "C:"
    const HANDLE drive = ::CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (drive == INVALID_HANDLE_VALUE)
        return false;
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceSeekPenaltyProperty;
    query.QueryType = PropertyStandardQuery;
    DEVICE_SEEK_PENALTY_DESCRIPTOR penalty{};
    DWORD returned = 0;
    const bool known =
        ::DeviceIoControl(drive, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, &penalty,
                          sizeof penalty, &returned, nullptr) != 0 &&
        returned >= sizeof penalty;
    ::CloseHandle(drive);
    return known && penalty.IncursSeekPenalty;
}

Volume volumeOf(const wchar_t* root) {
    Volume volume;
    volume.mountPoint = narrowed(root);
    const UINT type = ::GetDriveTypeW(root);
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD flags = 0;
    // Without a medium there is nothing to read: no error box, the drive stays listed.
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    if (::GetVolumeInformationW(root, label, MAX_PATH, nullptr, nullptr, &flags, fileSystem,
                                MAX_PATH)) {
        volume.label = narrowed(label);
        volume.fileSystemType = narrowed(fileSystem);
    }
    ::SetErrorMode(oldMode);
    wchar_t device[MAX_PATH + 1];
    if (::GetVolumeNameForVolumeMountPointW(root, device, MAX_PATH))
        volume.device = narrowed(device);
    volume.readOnly = (flags & FILE_READ_ONLY_VOLUME) != 0 || type == DRIVE_CDROM;
    volume.rotational = type == DRIVE_FIXED && incursSeekPenalty(root);
    return volume;
}

} // namespace

std::vector<Volume> Win32Volumes::list() {
    std::vector<wchar_t> roots(4 * 26 + 1);
    const DWORD length = ::GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data());
    std::vector<Volume> volumes;
    if (length == 0 || length >= roots.size())
        return volumes;
    for (const wchar_t* root = roots.data(); *root != L'\0'; root += wcslen(root) + 1) {
        const UINT type = ::GetDriveTypeW(root);
        if (type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR)
            volumes.push_back(volumeOf(root));
    }
    return volumes;
}

// The bytes available to this user (quotas counted) and the volume's size.
Result<SpaceInfo> Win32Volumes::space(const std::string& path) {
    wchar_t root[MAX_PATH + 1];
    if (!::GetVolumePathNameW(extendedPath(path).c_str(), root, MAX_PATH))
        return lastNativeError();
    ULARGE_INTEGER available, total;
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL known = ::GetDiskFreeSpaceExW(root, &available, &total, nullptr);
    const std::error_code error = known ? std::error_code{} : lastNativeError();
    ::SetErrorMode(oldMode);
    if (error)
        return error;
    return SpaceInfo{available.QuadPart, total.QuadPart};
}

std::vector<std::string> Win32Volumes::mountPoints() {
    std::vector<std::string> points;
    for (Volume& volume : list())
        points.push_back(std::move(volume.mountPoint));
    return points;
}

} // namespace tidecopy
