#include "platform/Existence.h"

#include "platform/Enumeration.h"

namespace tidecopy {

namespace {

constexpr std::size_t maxFileNameLength = 512;

// The entry itself, never a pattern: on POSIX "*" and "?" are ordinary characters of a
// name, and "f?.txt" must not count as existing because "fa.txt" does.
bool existsWithin(FileSystem& fs, const std::string& path, std::uint32_t mask) {
    const Result<EntryInfo> info = fs.entryInfo(path);
    return info && passesAttributeMask(info->attributes, mask);
}

} // namespace

bool FileExists(FileSystem& fs, const PathStyle& style, std::string_view path) {
    if (path.empty() || style.endsWithSeparator(path))
        return false;
    return existsWithin(fs, std::string(path), AttributeMask::OrdinaryFilesOnly);
}

bool FileOrDirExists(FileSystem& fs, const PathStyle& style, std::string_view entry) {
    if (entry.empty())
        return false;
    const std::string path = style.withoutTrailingSeparator(entry);
    if (style.isRoot(path)) {
        auto info = fs.entryInfo(path);
        return info && info->type == EntryType::Directory;
    }
    return existsWithin(fs, path, AttributeMask::Folders);
}

bool NamedFileExists(FileSystem& fs, std::string_view path) {
    // An empty path, or a file's path with a separator after it, is not found.
    const Result<EntryInfo> info = fs.entryInfo(std::string(path));
    return info && (info->type == EntryType::File || info->type == EntryType::Symlink);
}

bool NamedFolderExists(FileSystem& fs, const PathStyle& style, std::string_view path) {
    if (path.empty())
        return false;
    const Result<EntryInfo> info = fs.entryInfo(style.withoutTrailingSeparator(path));
    return (info && info->type == EntryType::Directory) || FileOrDirExists(fs, style, path);
}

bool SameEntry(FileSystem& fs, const std::string& a, const std::string& b) {
    const Result<FileIdentity> first = fs.identityOf(a);
    const Result<FileIdentity> second = fs.identityOf(b);
    return first && second && *first == *second;
}

std::string FileNameOf(const PathStyle& style, std::string_view path) {
    return std::string(style.fileNameOf(path).substr(0, maxFileNameLength));
}

} // namespace tidecopy
