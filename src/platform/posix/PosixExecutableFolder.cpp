#include "platform/Environment.h"
#include "platform/PathStyle.h"

#include <climits>
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

} // namespace tidecopy
