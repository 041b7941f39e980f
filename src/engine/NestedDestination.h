#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <optional>
#include <string>

namespace tidecopy {

// When the destination folder lies inside the source folder (links followed), the path
// under which a walk of strSource meets it; nullopt when it does not, or when either
// folder cannot be resolved. A run leaves that folder out, or each run would back up the
// previous backup one level deeper.
std::optional<std::string> destinationInsideSource(FileSystem& fs, const PathStyle& style,
                                                   const std::string& strSource,
                                                   const std::string& strTarget);

} // namespace tidecopy
