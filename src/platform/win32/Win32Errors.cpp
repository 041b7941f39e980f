#include "platform/win32/Win32Errors.h"

#include "platform/Errors.h"
#include "platform/win32/WideText.h"

#include <windows.h>
#include <winternl.h>

namespace tidecopy {

namespace {

// The portable condition of a Win32 error, so that the core's checks (a name that exists,
// links that are unsupported, a cancel) hold on Windows too.
std::errc conditionOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return std::errc::no_such_file_or_directory;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::errc::file_exists;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_CANT_ACCESS_FILE:
        return std::errc::permission_denied;
    case ERROR_PRIVILEGE_NOT_HELD:
        return std::errc::operation_not_permitted;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::errc::no_space_on_device;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return std::errc::function_not_supported;
    case ERROR_TOO_MANY_LINKS:
        return std::errc::too_many_links;
    case ERROR_INVALID_PARAMETER:
    case ERROR_NOT_A_REPARSE_POINT:
        return std::errc::invalid_argument;
    case ERROR_CANCELLED:
    case ERROR_OPERATION_ABORTED:
        return std::errc::operation_canceled;
    case ERROR_DIRECTORY:
        return std::errc::not_a_directory;
    case ERROR_DIR_NOT_EMPTY:
        return std::errc::directory_not_empty;
    case ERROR_NOT_SAME_DEVICE:
        return std::errc::cross_device_link;
    case ERROR_FILENAME_EXCED_RANGE:
        return std::errc::filename_too_long;
    case ERROR_NOT_READY:
    case ERROR_UNRECOGNIZED_VOLUME:
        return std::errc::no_such_device;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return std::errc::not_enough_memory;
    case ERROR_TOO_MANY_OPEN_FILES:
        return std::errc::too_many_files_open;
    case ERROR_INVALID_HANDLE:
        return std::errc::bad_file_descriptor;
    default:
        return std::errc::io_error;
    }
}

// Win32 error codes, described by the system in the user's language.
class Win32Category : public std::error_category {
public:
    const char* name() const noexcept override { return "win32"; }

    std::string message(int value) const override {
        wchar_t* text = nullptr;
        const DWORD length = ::FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(value), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (length == 0)
            return "Error " + std::to_string(value);
        std::wstring_view message(text, length);
        // Without the line end and the full stop, as the C library's texts on POSIX.
        while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                    message.back() == L'.' || message.back() == L' '))
            message.remove_suffix(1);
        std::string result = narrowed(message);
        ::LocalFree(text);
        return result;
    }

    std::error_condition default_error_condition(int value) const noexcept override {
        return std::make_error_condition(conditionOf(static_cast<DWORD>(value)));
    }
};

const Win32Category& win32Category() {
    static const Win32Category category;
    return category;
}

} // namespace

std::error_code errorFromNative(int nativeError) {
    return {nativeError, win32Category()};
}

std::error_code lastNativeError() {
    const DWORD error = ::GetLastError();
    return errorFromNative(static_cast<int>(error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE));
}

std::error_code errorFromStatus(long status) {
    return errorFromNative(static_cast<int>(::RtlNtStatusToDosError(status)));
}

std::string describeError(std::error_code error) {
    return error.message();
}

} // namespace tidecopy
