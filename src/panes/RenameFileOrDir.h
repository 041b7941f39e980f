#pragma once

#include "panes/PaneActionContext.h"

#include <string>
#include <string_view>

namespace tidecopy {

// A name a rename answer may give: not empty, no separator, not "." or "..", so that the
// entry keeps its folder.
bool isPlainName(const PathStyle& style, std::string_view name);

// Renames or moves a file or a folder; true when it was done. An existing target is
// replaced only after the user agreed (or fOverwriteTarget), in one atomic rename, and
// never when it is a folder; a target that appears meanwhile is not replaced. Two names of
// one file (links followed) are left alone (false, no message). A file that goes to
// another volume is copied there fail-safe, then removed; a folder is refused.
bool RenameFileOrDir(const PaneActionContext& context, const std::string& strSource,
                     const std::string& strTarget, bool fOverwriteTarget = false);

// The file menu's Rename of folder's file name: asks for the new name; an empty answer,
// Cancel or the same name in other letter case does nothing; a name that is not plain or
// a rename that fails is reported.
void renameFile(const PaneActionContext& context, const std::string& folder,
                const std::string& name);

} // namespace tidecopy
