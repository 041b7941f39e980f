#include "platform/posix/PosixFolders.h"

#include "platform/PathStyle.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace tidecopy {

std::string executableFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return ".";
    const std::string path(buffer, static_cast<std::size_t>(length));
    return PathStyle::posix().withoutTrailingSeparator(PathStyle::posix().folderPartOf(path));
}

std::string userConfigHome() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        return PathStyle::posix().join(home, ".config");
    return "/tmp";
}

std::string userHomeFolder() {
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) : std::string{};
}

} // namespace tidecopy
