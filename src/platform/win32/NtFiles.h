#pragma once

#include "platform/OpenHandles.h"

#include <string_view>
#include <system_error>
#include <utility>
#include <windows.h>

namespace tidecopy {

// Owns a Win32 handle and closes it on every path out of a function.
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(HANDLE handle)
        : m_handle(handle) {}
    ~ScopedHandle() {
        if (valid())
            ::CloseHandle(m_handle);
    }
    ScopedHandle(ScopedHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) {
            if (valid())
                ::CloseHandle(m_handle);
            m_handle = std::exchange(other.m_handle, INVALID_HANDLE_VALUE);
        }
        return *this;
    }

    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// The handle inside the neutral handle type.
inline HANDLE handleOf(const NativeHandle& handle) {
    return reinterpret_cast<HANDLE>(handle.get());
}

inline NativeHandle nativeHandle(ScopedHandle handle) {
    return NativeHandle(reinterpret_cast<NativeHandle::Value>(handle.release()));
}

// What a name in an open folder is opened for.
struct RelativeOpen {
    ACCESS_MASK access = FILE_READ_ATTRIBUTES;
    ULONG share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    ULONG disposition = 1; // FILE_OPEN
    ULONG options = 0;
    ULONG attributes = FILE_ATTRIBUTE_NORMAL;
};

// Opens a name inside an open folder, as openat does: the Win32 API only opens whole paths,
// so this is the NT call it is built on, with the folder as root. The last name is never
// followed when it is a reparse point (a symbolic link or junction): the handle is the
// link's own. Every handle is synchronous.
std::error_code openRelative(HANDLE folder, std::wstring_view name, const RelativeOpen& how,
                             ScopedHandle& opened);

// Gives an open file a new name, or a second one, in a folder (FileRenameInformation or
// FileLinkInformation with the folder as root).
enum class NameChange { Rename, Link };
std::error_code giveName(HANDLE file, NameChange change, HANDLE folder, std::wstring_view name,
                         bool replaceExisting);

// Marks an open file (opened with DELETE access) for removal when its last handle closes.
std::error_code removeWhenClosed(HANDLE file);

} // namespace tidecopy
