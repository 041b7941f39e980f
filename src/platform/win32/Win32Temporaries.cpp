#include "platform/win32/Win32Temporaries.h"

#include "platform/Errors.h"
#include "platform/TemporaryName.h"
#include "platform/win32/NtFiles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32FileSystem.h"

namespace tidecopy {

namespace {

constexpr int attemptsForName = 4;
constexpr ULONG fileOpen = 1;
constexpr ULONG fileCreate = 2;
constexpr ULONG fileNonDirectoryFile = 0x00000040;

// The lock is the share mode: while its run holds the file, nobody else may open it for
// writing, which a clean-up asks for before it removes a leftover. Renaming and removing
// stay shared, so that the run itself can give the file its final name. Unlike a lock
// taken after the file was created, the file is never unlocked for a moment.
constexpr ULONG lockedShare = FILE_SHARE_READ | FILE_SHARE_DELETE;
constexpr ACCESS_MASK writerAccess =
    GENERIC_WRITE | DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES;

} // namespace

Result<TemporaryFile> createLockedTemporary(const OpenFolder& folder) {
    std::error_code error;
    for (int attempt = 0; attempt < attemptsForName; ++attempt) {
        std::string name = makeTemporaryName();
        ScopedHandle file;
        error = openRelative(handleOf(folder.handle), widened(name),
                             {writerAccess, lockedShare, fileCreate, fileNonDirectoryFile}, file);
        if (!error)
            return TemporaryFile{nativeHandle(std::move(file)), folder.path, std::move(name), {}};
        if (error != std::errc::file_exists)
            break;
    }
    return error;
}

Result<std::string> Win32FileSystem::createTemporaryLink(const OpenFolder& folder,
                                                         const std::string& targetText) {
    const std::wstring target = widened(targetText);
    const bool absolute = target.size() >= 2 && (target[1] == L':' || target[0] == L'\\');
    const DWORD targetAttributes =
        ::GetFileAttributesW((absolute ? target : extendedPath(folder.path) + target).c_str());
    DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    if (targetAttributes != INVALID_FILE_ATTRIBUTES &&
        (targetAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        flags |= SYMBOLIC_LINK_FLAG_DIRECTORY;
    std::error_code error;
    for (int attempt = 0; attempt < attemptsForName; ++attempt) {
        std::string name = makeTemporaryName();
        const std::wstring path = extendedPath(folder.path + name);
        if (::CreateSymbolicLinkW(path.c_str(), target.c_str(), flags)) {
            // Some systems (Wine) answer success without making a link.
            if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
                return std::make_error_code(std::errc::function_not_supported);
            return name;
        }
        error = lastNativeError();
        if (error != std::errc::file_exists)
            break;
    }
    return error;
}

// Opening for writing is what the run's own handle refuses while the file is written.
// Links (which no run keeps open) are left alone, as is anything that cannot be opened.
std::error_code Win32FileSystem::removeUnusedTemporary(const OpenFolder& folder,
                                                       const std::string& name) {
    ScopedHandle file;
    const std::error_code error =
        openRelative(handleOf(folder.handle), widened(name),
                     {writerAccess, lockedShare, fileOpen, fileNonDirectoryFile}, file);
    if (error == errorFromNative(ERROR_SHARING_VIOLATION))
        return std::make_error_code(std::errc::resource_unavailable_try_again);
    if (error)
        return error;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (::GetFileInformationByHandleEx(file.get(), FileAttributeTagInfo, &tag, sizeof tag) &&
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return std::make_error_code(std::errc::operation_not_permitted);
    return removeWhenClosed(file.get());
}

} // namespace tidecopy
