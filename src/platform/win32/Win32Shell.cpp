#include "platform/win32/Win32Shell.h"

#include "platform/Errors.h"
#include "platform/win32/WideText.h"

#include <windows.h>
// These build on the types windows.h declares.
#include <objbase.h>
#include <shellapi.h>

namespace tidecopy {

std::error_code Win32Shell::openDocument(const std::string& path) {
    // Some handlers are COM objects; a thread that has COM set up already keeps its own.
    const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    const std::wstring file = widened(path);
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    const std::error_code error = ::ShellExecuteExW(&info) ? std::error_code{} : lastNativeError();
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return error;
}

} // namespace tidecopy
