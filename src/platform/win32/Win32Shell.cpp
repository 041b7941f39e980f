#include "platform/win32/Win32Shell.h"

#include "platform/Errors.h"
#include "platform/win32/WideText.h"

#include <windows.h>
// These build on the types windows.h declares.
#include <objbase.h>
#include <shellapi.h>

namespace tidecopy {

namespace {

// The verb's handler for path. The properties dialog is a shell extension (an "invoke
// ID list" verb); no verb shows an error box of its own.
std::error_code execute(const wchar_t* verb, const std::string& path, ULONG extraMask = 0) {
    // Some handlers are COM objects; a thread that has COM set up already keeps its own.
    const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC | extraMask;
    const std::wstring file = widened(path);
    info.lpVerb = verb;
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    const std::error_code error = ::ShellExecuteExW(&info) ? std::error_code{} : lastNativeError();
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return error;
}

} // namespace

std::error_code Win32Shell::openDocument(const std::string& path) {
    return execute(L"open", path);
}

std::error_code Win32Shell::startProgram(const std::string& path) {
    return execute(L"open", path);
}

std::error_code Win32Shell::showProperties(const std::string& path) {
    return execute(L"properties", path, SEE_MASK_INVOKEIDLIST);
}

std::error_code Win32Shell::showFolder(const std::string& folder) {
    return execute(L"explore", folder);
}

std::error_code Win32Shell::searchFolder(const std::string& folder) {
    return execute(L"find", folder);
}

} // namespace tidecopy
