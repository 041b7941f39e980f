#pragma once

#include "panes/PaneActionContext.h"

#include <string>
#include <vector>

namespace tidecopy {

struct Environment;

// The deletions of the file menu: files go at once (not to a waste basket), a link as
// itself, never what it points to. Each answers true when everything asked for went.

// Delete: asks, then deletes folder's file name; a failure is reported with its number.
bool deleteFile(const PaneActionContext& context, const std::string& folder,
                const std::string& name);

// The refusal of Delete All Files in folder (the message to show), or empty when the
// folder may be emptied: the system's own two folders cannot, whatever path or letter case
// leads to them.
std::string protectedFolderRefusal(FileSystem& fs, const PathStyle& style,
                                   const Environment& environment, const std::string& folder);

// Delete All Files: asks, then deletes the files the list shows (names, in folder);
// sub-folders stay. Success is reported only when every one went, a failure by naming
// the first file that stayed.
bool deleteAllFiles(const PaneActionContext& context, const std::string& folder,
                    const std::vector<std::string>& names);

} // namespace tidecopy
