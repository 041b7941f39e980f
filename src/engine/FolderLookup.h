#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <optional>
#include <string>

namespace tidecopy {

// Looks at files through their folder, which stays open while the files of one folder pass,
// where the file system resolves a name inside an open folder for less than a whole path.
// A copy starts with nothing open, so each thread can have its own.
class FolderLookup {
public:
    FolderLookup(FileSystem& fs, const PathStyle& style);
    FolderLookup(const FolderLookup& other);
    FolderLookup& operator=(const FolderLookup&) = delete;

    // As FileSystem::entryInfo(path).
    Result<EntryInfo> entryInfo(const std::string& path);

private:
    FileSystem& m_fs;
    PathStyle m_style;
    std::string m_folderPath;
    std::optional<OpenFolder> m_folder;
};

} // namespace tidecopy
