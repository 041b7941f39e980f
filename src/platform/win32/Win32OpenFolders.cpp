#include "platform/Errors.h"
#include "platform/FileSystemError.h"
#include "platform/PathStyle.h"
#include "platform/win32/NtFiles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Entries.h"
#include "platform/win32/Win32FileSystem.h"

#include <vector>

namespace tidecopy {

namespace {

constexpr ULONG fileOpen = 1;
constexpr ULONG fileCreate = 2;
constexpr ULONG fileDirectoryFile = 0x00000001;

// Enough to look names up, list them and create entries below.
constexpr ACCESS_MASK folderAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES;

const PathStyle style = PathStyle::windows();

bool isReparsePoint(HANDLE handle) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    return ::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) &&
           (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Wine opens a Unix symbolic link's target even when asked for the link, and shows the
// link only by its name; Windows itself answers through the handle alone.
bool namedAsLink(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(extendedPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// One level below an open folder. A link there is refused; a file gives not_a_directory.
std::error_code openLevel(HANDLE parent, const std::string& parentPath, const std::string& name,
                          ScopedHandle& level) {
    if (name == ".." || name == ".")
        return std::make_error_code(std::errc::invalid_argument); // would leave the destination
    const std::wstring wide = widened(name);
    std::error_code error = openRelative(
        parent, wide, {folderAccess, RelativeOpen{}.share, fileOpen, fileDirectoryFile}, level);
    if (error == std::errc::not_a_directory) {
        // A link to a file is no folder either; only a second look tells them apart.
        ScopedHandle entry;
        if (!openRelative(parent, wide, {}, entry) && isReparsePoint(entry.get()))
            return make_error_code(FileSystemError::SymlinkNotFollowed);
        return error;
    }
    if (error)
        return error;
    if (isReparsePoint(level.get()) || namedAsLink(parentPath + name))
        return make_error_code(FileSystemError::SymlinkNotFollowed);
    return {};
}

Result<OpenFolder> openedFolder(ScopedHandle handle, const std::string& path) {
    return OpenFolder{nativeHandle(std::move(handle)), style.withTrailingSeparator(path)};
}

} // namespace

void NativeHandle::close() {
    if (m_value != none)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_value));
    m_value = none;
}

Result<OpenFolder> Win32FileSystem::openFolder(const std::string& path) {
    ScopedHandle folder(::CreateFileW(extendedPath(path).c_str(), folderAccess,
                                      RelativeOpen{}.share, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder.valid())
        return lastNativeError();
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandleEx(folder.get(), FileBasicInfo, &basic, sizeof basic))
        return lastNativeError();
    if ((basic.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return std::make_error_code(std::errc::not_a_directory);
    return openedFolder(std::move(folder), path);
}

// Windows opens several levels at once only by following every link on the way, so the
// levels are opened one by one, each checked.
Result<OpenFolder> Win32FileSystem::openSubfolder(const OpenFolder& base,
                                                  const std::string& relative) {
    ScopedHandle current;
    std::string currentPath = base.path;
    for (std::size_t start = 0; start <= relative.size();) {
        const std::size_t end = std::min(relative.find('\\', start), relative.size());
        const std::string name = relative.substr(start, end - start);
        ScopedHandle level;
        const HANDLE parent = current.valid() ? current.get() : handleOf(base.handle);
        if (auto error = openLevel(parent, currentPath, name, level))
            return error;
        current = std::move(level);
        currentPath += name + '\\';
        start = end + 1;
    }
    return openedFolder(std::move(current), base.path + relative);
}

std::error_code Win32FileSystem::createSubfolder(const OpenFolder& base, const std::string& name) {
    ScopedHandle created;
    return openRelative(handleOf(base.handle), widened(name),
                        {FILE_LIST_DIRECTORY, RelativeOpen{}.share, fileCreate, fileDirectoryFile},
                        created);
}

Result<EntryInfo> Win32FileSystem::entryInfoIn(const OpenFolder& folder, const std::string& name) {
    ScopedHandle entry;
    if (auto error = openRelative(handleOf(folder.handle), widened(name), {}, entry))
        return error;
    return entryInfoOfHandle(entry.get());
}

std::error_code Win32FileSystem::listOpenFolder(const OpenFolder& folder,
                                                std::vector<FolderEntry>& entries) {
    std::vector<std::byte> buffer(64 * 1024);
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (::GetFileInformationByHandleEx(handleOf(folder.handle), request, buffer.data(),
                                          static_cast<DWORD>(buffer.size()))) {
        request = FileIdBothDirectoryInfo;
        for (std::size_t offset = 0;;) {
            const auto* item = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(&buffer[offset]);
            const std::wstring_view name(item->FileName, item->FileNameLength / sizeof(wchar_t));
            // For a reparse point the size of extended attributes holds its tag instead.
            if (name != L"." && name != L"..")
                entries.push_back(folderEntryOf(name, item->FileAttributes, item->EaSize));
            if (item->NextEntryOffset == 0)
                break;
            offset += item->NextEntryOffset;
        }
    }
    return ::GetLastError() == ERROR_NO_MORE_FILES ? std::error_code{} : lastNativeError();
}

std::error_code Win32FileSystem::linkIn(const OpenFolder& folder, const std::string& existing,
                                        const std::string& newName) {
    ScopedHandle entry;
    if (auto error = openRelative(handleOf(folder.handle), widened(existing),
                                  {FILE_WRITE_ATTRIBUTES}, entry))
        return error;
    return giveName(entry.get(), NameChange::Link, handleOf(folder.handle), widened(newName),
                    false);
}

// Windows has no call that trades two names in one step: the caller falls back to renames.
std::error_code Win32FileSystem::renameIn(const OpenFolder& folder, const std::string& from,
                                          const std::string& to, RenameMode mode) {
    if (mode == RenameMode::Exchange)
        return std::make_error_code(std::errc::operation_not_supported);
    ScopedHandle entry;
    if (auto error = openRelative(handleOf(folder.handle), widened(from), {DELETE}, entry))
        return error;
    return giveName(entry.get(), NameChange::Rename, handleOf(folder.handle), widened(to),
                    mode == RenameMode::Replace);
}

// Without MOVEFILE_COPY_ALLOWED a move to another volume fails as not the same device.
std::error_code Win32FileSystem::renamePath(const std::string& from, const std::string& to,
                                            RenameMode mode) {
    if (mode == RenameMode::Exchange)
        return std::make_error_code(std::errc::operation_not_supported);
    const DWORD flags = mode == RenameMode::Replace ? MOVEFILE_REPLACE_EXISTING : 0;
    return ::MoveFileExW(extendedPath(from).c_str(), extendedPath(to).c_str(), flags)
               ? std::error_code{}
               : lastNativeError();
}

// Removing a name on POSIX does not ask about the file's own bits; Windows refuses a
// read-only file, so that attribute goes first.
std::error_code Win32FileSystem::removeIn(const OpenFolder& folder, const std::string& name) {
    ScopedHandle entry;
    if (auto error = openRelative(handleOf(folder.handle), widened(name),
                                  {DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES}, entry))
        return error;
    std::error_code error = removeWhenClosed(entry.get());
    FILE_BASIC_INFO basic{};
    if (error && ::GetFileInformationByHandleEx(entry.get(), FileBasicInfo, &basic, sizeof basic) &&
        (basic.FileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        basic = FILE_BASIC_INFO{};
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        if (::SetFileInformationByHandle(entry.get(), FileBasicInfo, &basic, sizeof basic))
            error = removeWhenClosed(entry.get());
    }
    return error;
}

std::error_code Win32FileSystem::removeFolderIn(const OpenFolder& folder,
                                                const std::string& name) {
    constexpr ULONG directoryOnly = 0x00000001; // FILE_DIRECTORY_FILE
    ScopedHandle entry;
    if (auto error = openRelative(handleOf(folder.handle), widened(name),
                                  {DELETE, RelativeOpen{}.share, 1, directoryOnly}, entry))
        return error;
    return removeWhenClosed(entry.get());
}

// The read-only attribute of a folder does not keep its entries from being removed;
// removeIn deals with that of each file.
std::error_code Win32FileSystem::allowRemovingFrom(const OpenFolder&) {
    return {};
}

Result<FileIdentity> Win32FileSystem::identityOfOpen(const OpenFolder& folder) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(handleOf(folder.handle), &info))
        return lastNativeError();
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) |
                            info.nFileIndexLow};
}

} // namespace tidecopy
