#include "platform/win32/Win32Power.h"

#include "platform/Errors.h"
#include "platform/win32/NtFiles.h"

#include <windows.h>

namespace tidecopy {

namespace {

std::error_code enableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return lastNativeError();
    const ScopedHandle owned(token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        return lastNativeError();
    // Succeeds also when the privilege is not held; that is told by the last error only.
    if (!::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) ||
        ::GetLastError() != ERROR_SUCCESS)
        return lastNativeError();
    return {};
}

} // namespace

std::error_code Win32Power::request(PowerAction action) {
    UINT flags = EWX_LOGOFF;
    if (action != PowerAction::LogOff) {
        if (auto error = enableShutdownPrivilege())
            return error;
        flags = action == PowerAction::ShutDown ? EWX_SHUTDOWN : EWX_REBOOT;
    }
    // A planned stop by an application, as the system's shutdown log records it.
    const DWORD reason =
        SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_MINOR_MAINTENANCE | SHTDN_REASON_FLAG_PLANNED;
    return ::ExitWindowsEx(flags, reason) ? std::error_code{} : lastNativeError();
}

} // namespace tidecopy
