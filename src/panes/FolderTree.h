#pragma once

#include "panes/PaneActionContext.h"

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

namespace tidecopy {

// The number of folders directly inside path (not below them) that pass the attribute
// mask plus the folder attribute: hidden folders count only when the mask asks for them,
// a link to a folder never does. Any error counts nothing.
std::int16_t CountDirectories(FileSystem& fs, const PathStyle& style, const std::string& path,
                              std::uint32_t attributes = 0);

// How a folder tree's deletion ended: deleted, or the first entry that stayed and why.
struct TreeDeletion {
    bool deleted = false;
    std::string failedPath;
    std::error_code error;
};

// Deletes strFolder with everything below it, read-only entries included. A link is
// removed as itself (the chosen folder too, when it is one), never followed, and the
// deletion never enters another mounted file system: a mount point below the folder (one
// of mountPoints, or a folder on another device) stays with everything in it, and so do
// the folders above it. Every entry is removed by its name from its open folder, never by
// a path that could have changed. Cancel stops it between entries.
TreeDeletion DeleteFolderTree(const PaneActionContext& context, const std::string& strFolder,
                              const std::vector<std::string>& mountPoints);

} // namespace tidecopy
