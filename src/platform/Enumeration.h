#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tidecopy {

// "*" is any run of characters, "?" one character; "*.*" matches every name, with or
// without a dot. Letters compare case-insensitively (ASCII), on every platform.
bool matchesWildcard(std::string_view pattern, std::string_view name);
bool hasWildcard(std::string_view pattern);

// An entry passes when it has none of folder, hidden and system, or when each of those
// it has is included in the mask. Read-only and archive never exclude.
bool passesAttributeMask(std::uint32_t attributes, std::uint32_t mask);

// The platform's directory search: `search` is a folder followed by a name pattern
// ("C:\data\*.*", "/home/a/*.txt"). Appends the matching names, "." and ".." included
// when the mask admits folders, as the native search does.
// A last component without wildcards is looked up directly, so on case-sensitive file
// systems a literal name finds only itself.
std::error_code enumerateMatching(FileSystem& fs, const PathStyle& style, std::string_view search,
                                  std::uint32_t mask, std::vector<std::string>& names);

} // namespace tidecopy
