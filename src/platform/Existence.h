#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <string>
#include <string_view>

namespace tidecopy {

// The existence tests every part of the product uses. Any error answers false.

// An ordinary file of that exact path (hidden and system files and folders do not count).
bool FileExists(FileSystem& fs, const PathStyle& style, std::string_view path);
// A file or a folder that is not hidden; a folder path with a trailing separator counts.
bool FileOrDirExists(FileSystem& fs, const PathStyle& style, std::string_view entry);
// The same for paths a user names himself (a profile, a pane's folder): a hidden entry
// counts, as only listings leave hidden entries out. NamedFileExists takes a file or a
// link, never a folder or a device; NamedFolderExists a folder, or what FileOrDirExists takes.
bool NamedFileExists(FileSystem& fs, std::string_view path);
bool NamedFolderExists(FileSystem& fs, const PathStyle& style, std::string_view path);

// Both paths lead to one file or folder, links followed (device and inode on POSIX),
// whatever their text; false on any error.
bool SameEntry(FileSystem& fs, const std::string& a, const std::string& b);

// The text after the last separator, at most 512 characters.
std::string FileNameOf(const PathStyle& style, std::string_view path);

} // namespace tidecopy
