#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tidecopy {

// The ordered paths (or bare names) a listing produces. Listings append and then set
// Count; they never clear, so a list passed twice accumulates.
struct FileList {
    std::size_t Count = 0;
    std::vector<std::string> Items;
};

} // namespace tidecopy
