#pragma once

#include "panes/PaneActionContext.h"

#include <string>
#include <system_error>
#include <vector>

namespace tidecopy {

// The copies the panes make: Paste of the file menu and files dropped on a file list.
// Each goes by the run's fail-safe copy (the target is replaced only by a complete copy
// with the source's time) and reports by message box only.

// Copies source onto target; a file copied onto itself (two paths of one file, links
// followed) is refused with an error of its own and left as it was.
std::error_code copyFileOnto(const PaneActionContext& context, const std::string& source,
                             const std::string& target);

// The file menu's Paste of the marked file copiedFile into folder, once the menu has
// found both: asks before replacing anything of that name, reports a failure by message
// box and a success by log line.
void pasteFile(const PaneActionContext& context, const std::string& copiedFile,
               const std::string& folder);

// One dropped file: asks before replacing anything at strTo; a failure is reported by
// message box and ends this file only.
void DoOneFileCopy(const PaneActionContext& context, const std::string& strFrom,
                   const std::string& strTo);

// Files dropped on a file list showing folder, each copied on its own, in their order,
// until Cancel.
void dropFiles(const PaneActionContext& context, const std::vector<std::string>& paths,
               const std::string& folder);

} // namespace tidecopy
