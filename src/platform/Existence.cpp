#include "platform/Existence.h"

#include "platform/Enumeration.h"

#include <vector>

namespace tidecopy {

namespace {
constexpr std::size_t maxFileNameLength = 512;
}

bool FileExists(FileSystem& fs, const PathStyle& style, std::string_view path) {
    if (path.empty() || style.endsWithSeparator(path))
        return false;
    std::vector<std::string> names;
    return !enumerateMatching(fs, style, path, AttributeMask::OrdinaryFilesOnly, names) &&
           !names.empty();
}

bool FileOrDirExists(FileSystem& fs, const PathStyle& style, std::string_view strDest) {
    if (strDest.empty())
        return false;
    std::string path(strDest);
    if (style.endsWithSeparator(path) && !style.isRoot(path))
        path = style.withoutTrailingSeparator(path);
    if (style.isRoot(path)) {
        auto info = fs.entryInfo(path);
        return info && info->type == EntryType::Directory;
    }
    std::vector<std::string> names;
    return !enumerateMatching(fs, style, path, AttributeMask::Folders, names) && !names.empty();
}

std::string FileNameOf(const PathStyle& style, std::string_view path) {
    return std::string(style.fileNameOf(path).substr(0, maxFileNameLength));
}

} // namespace tidecopy
