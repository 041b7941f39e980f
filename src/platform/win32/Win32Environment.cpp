#include "platform/Environment.h"
#include "platform/PathStyle.h"
#include "platform/win32/WideText.h"

#include <windows.h>

namespace tidecopy {

namespace {

const PathStyle style = PathStyle::windows();

std::string systemFolderOf(UINT (*query)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH + 1];
    const UINT length = query(folder, MAX_PATH);
    return length == 0 || length > MAX_PATH ? std::string{} : narrowed({folder, length});
}

} // namespace

// A Windows installation keeps its resources beside the program. Its per-user files stay
// there too when the user may write there (a portable copy), else they go to
// %APPDATA%\Tidecopy (a copy under Program Files).
Environment makeEnvironment(FileSystem& fs, const std::string& programFolder,
                            const std::string& configHome) {
    Environment environment;
    environment.programFolder = style.withoutTrailingSeparator(programFolder);
    environment.configHome = configHome;
    environment.windowsFolder = style.withTrailingSeparator(systemFolderOf(::GetWindowsDirectoryW));
    environment.systemFolder = systemFolderOf(::GetSystemDirectoryW);
    environment.resourceFolder = environment.programFolder;
    placeDataFolder(fs, environment, fs.isWritableFolder(environment.programFolder));
    return environment;
}

} // namespace tidecopy
