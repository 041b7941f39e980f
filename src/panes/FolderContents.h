#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tidecopy {

// One reading of a folder for a pane: its sub-folders for the folder list and its files
// for the file list, both sorted by name, and the bytes of everything in it that is not
// a folder, for the folder size text.
struct FolderContents {
    std::vector<std::string> subFolders; // hidden ones too; links to folders are not folders
    std::vector<std::string> files;      // neither hidden nor system, as a file list shows
    std::uint64_t plainFileBytes = 0;    // hidden and system entries included
};

// Letters compare without regard to case; names equal that way keep a fixed order.
void sortByName(std::vector<std::string>& names);

// Sizes come from one status query per entry that is not a folder; an entry that cannot
// be queried adds nothing.
Result<FolderContents> readFolderContents(FileSystem& fs, const PathStyle& style,
                                          const std::string& folder);

} // namespace tidecopy
