#include "platform/win32/Win32Folders.h"

#include "platform/PathStyle.h"
#include "platform/win32/WideText.h"

#include <windows.h>
// These build on the types windows.h declares.
#include <knownfolders.h>
#include <shlobj.h>

namespace tidecopy {

namespace {

std::string knownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)))
        folder = narrowed(path);
    ::CoTaskMemFree(path);
    return folder;
}

} // namespace

std::string executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return ".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::string program = ordinaryPath(path);
    const PathStyle style = PathStyle::windows();
    return style.withoutTrailingSeparator(style.folderPartOf(program));
}

std::string userConfigHome() {
    return knownFolder(FOLDERID_RoamingAppData);
}

std::string knownUserFolder(UserFolder folder) {
    switch (folder) {
    case UserFolder::Desktop:
        return knownFolder(FOLDERID_Desktop);
    case UserFolder::Documents:
        return knownFolder(FOLDERID_Documents);
    case UserFolder::Pictures:
        return knownFolder(FOLDERID_Pictures);
    case UserFolder::Music:
        return knownFolder(FOLDERID_Music);
    case UserFolder::Videos:
        return knownFolder(FOLDERID_Videos);
    }
    return {};
}

} // namespace tidecopy
