#include "platform/win32/Win32FileSystem.h"

#include "platform/Errors.h"
#include "platform/PathStyle.h"
#include "platform/TemporaryName.h"
#include "platform/win32/NtFiles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Entries.h"

namespace tidecopy {

namespace {

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::error_code resultOf(BOOL succeeded) {
    return succeeded ? std::error_code{} : lastNativeError();
}

// Any entry, a folder too, links followed, for questions about what it is.
ScopedHandle openForQuery(const std::string& path) {
    return ScopedHandle(::CreateFileW(extendedPath(path).c_str(), FILE_READ_ATTRIBUTES, shareAll,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The tag of a reparse point, which only a listing gives without opening it.
DWORD reparseTagOf(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    const HANDLE find =
        ::FindFirstFileExW(path.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    ::FindClose(find);
    return data.dwReserved0;
}

std::error_code writeAll(HANDLE file, const std::string& contents) {
    std::size_t written = 0;
    while (written < contents.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(contents.size() - written, 1u << 30));
        DWORD done = 0;
        if (!::WriteFile(file, contents.data() + written, chunk, &done, nullptr))
            return lastNativeError();
        written += done;
    }
    return {};
}

std::error_code createWithContents(const std::wstring& path, const std::string& contents,
                                   bool flush) {
    ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastNativeError();
    std::error_code error = writeAll(file.get(), contents);
    if (!error && flush)
        error = resultOf(::FlushFileBuffers(file.get()));
    if (!::CloseHandle(file.release()) && !error)
        error = lastNativeError();
    return error;
}

// "\\.\C:" for a drive, "\\?\Volume{...}" for a volume mounted in a folder: the volume
// holding path, as a device to open.
std::wstring volumeDeviceOf(const std::string& path) {
    wchar_t root[MAX_PATH + 1];
    if (!::GetVolumePathNameW(extendedPath(path).c_str(), root, MAX_PATH))
        return {};
    const std::string ordinary = ordinaryPath(root);
    if (PathStyle::windows().isRoot(ordinary) && ordinary.size() == 3)
        return LR"(\\.\)" + widened(ordinary.substr(0, 2));
    wchar_t volume[MAX_PATH + 1];
    if (!::GetVolumeNameForVolumeMountPointW(root, volume, MAX_PATH))
        return {};
    std::wstring device = volume;
    if (device.ends_with(L'\\'))
        device.pop_back();
    return device;
}

} // namespace

std::error_code Win32FileSystem::listFolder(const std::string& folder,
                                            std::vector<FolderEntry>& entries) {
    std::wstring pattern = extendedPath(folder);
    if (!pattern.ends_with(L'\\'))
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data;
    const HANDLE find =
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                           FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? std::error_code{} : lastNativeError();
    do {
        const std::wstring_view name(data.cFileName);
        if (name != L"." && name != L"..")
            entries.push_back(folderEntryOf(name, data.dwFileAttributes, data.dwReserved0));
    } while (::FindNextFileW(find, &data));
    const DWORD ended = ::GetLastError();
    ::FindClose(find);
    return ended == ERROR_NO_MORE_FILES ? std::error_code{}
                                        : errorFromNative(static_cast<int>(ended));
}

Result<EntryInfo> Win32FileSystem::entryInfo(const std::string& path) {
    const std::wstring wide = extendedPath(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data))
        return path.empty() ? std::make_error_code(std::errc::no_such_file_or_directory)
                            : lastNativeError();
    const DWORD tag =
        (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? reparseTagOf(wide) : 0;
    const auto size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const auto ticks = (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                       data.ftLastWriteTime.dwLowDateTime;
    return entryInfoOf(data.dwFileAttributes, tag, size, ticks);
}

Result<FileIdentity> Win32FileSystem::identityOf(const std::string& path) {
    const ScopedHandle file = openForQuery(path);
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.valid() || !::GetFileInformationByHandle(file.get(), &info))
        return lastNativeError();
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) |
                            info.nFileIndexLow};
}

Result<std::string> Win32FileSystem::canonicalPath(const std::string& path) {
    const ScopedHandle file = openForQuery(path);
    if (!file.valid())
        return lastNativeError();
    std::wstring resolved(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(
            file.get(), resolved.data(), static_cast<DWORD>(resolved.size()), VOLUME_NAME_DOS);
        if (length == 0)
            return lastNativeError();
        if (length < resolved.size()) {
            resolved.resize(length);
            return ordinaryPath(resolved);
        }
        resolved.resize(length);
    }
}

std::error_code Win32FileSystem::createFolder(const std::string& path) {
    return resultOf(::CreateDirectoryW(extendedPath(path).c_str(), nullptr));
}

std::error_code Win32FileSystem::removeFile(const std::string& path) {
    return resultOf(::DeleteFileW(extendedPath(path).c_str()));
}

Result<std::string> Win32FileSystem::readWholeFile(const std::string& path) {
    const ScopedHandle file(::CreateFileW(extendedPath(path).c_str(), GENERIC_READ, shareAll,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                                          nullptr));
    if (!file.valid())
        return lastNativeError();
    std::string contents;
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr))
            return lastNativeError();
        if (read == 0)
            return contents;
        contents.append(buffer, read);
    }
}

// MoveFileEx replaces the target in one step on NTFS and writes the rename through before
// it returns; the data was flushed before it.
std::error_code Win32FileSystem::writeWholeFileAtomically(const std::string& path,
                                                          const std::string& contents) {
    const std::wstring target = extendedPath(path);
    const std::wstring temporary =
        target.substr(0, target.rfind(L'\\') + 1) + widened(makeTemporaryName());
    std::error_code error = createWithContents(temporary, contents, true);
    if (!error)
        error = resultOf(::MoveFileExW(temporary.c_str(), target.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    if (error)
        ::DeleteFileW(temporary.c_str());
    return error;
}

std::error_code Win32FileSystem::createNewFile(const std::string& path,
                                               const std::string& contents) {
    return createWithContents(extendedPath(path), contents, false);
}

// Rights on Windows are lists of who may do what, inherited and denied; trying is the only
// answer that counts them all (and read-only media).
bool Win32FileSystem::isWritableFolder(const std::string& folder) {
    std::wstring probe = extendedPath(folder);
    if (!probe.ends_with(L'\\'))
        probe += L'\\';
    probe += widened(makeTemporaryName());
    const ScopedHandle file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                          nullptr));
    return file.valid();
}

// Only an administrator may flush a whole volume, and network drives (and Wine) have no
// such call. Where it cannot be asked for, every file that replaced another was written
// through before its rename (flushBeforeReplacing) and the system's lazy writer writes the
// rest within seconds; there is nothing more a program can ask for.
std::error_code Win32FileSystem::flushVolume(const std::string& path) {
    const std::wstring device = volumeDeviceOf(path);
    if (device.empty())
        return lastNativeError();
    const ScopedHandle volume(::CreateFileW(device.c_str(), GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    if (volume.valid() && ::FlushFileBuffers(volume.get()))
        return {};
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_FUNCTION ||
        error == ERROR_NOT_SUPPORTED)
        return {};
    return errorFromNative(static_cast<int>(error));
}

} // namespace tidecopy
