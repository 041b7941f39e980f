#pragma once

#include <cstdint>
#include <string_view>

namespace tidecopy {

// How the product selects entries by name and attributes.

// "*" is any run of characters, "?" one character; "*.*" matches every name, with or
// without a dot. Letters compare case-insensitively (ASCII), on every platform; a pattern
// without wildcards matches only its own name, in any case.
bool matchesWildcard(std::string_view pattern, std::string_view name);

// An entry passes when it has none of folder, hidden and system, or when each of those
// it has is included in the mask. Read-only and archive never exclude.
bool passesAttributeMask(std::uint32_t attributes, std::uint32_t mask);

} // namespace tidecopy
