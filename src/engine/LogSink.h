#pragma once

#include <functional>
#include <string_view>

namespace tidecopy {

// Where the engine appends its log text (lines end in CR LF); the run connects it to the
// activity log.
using LogSink = std::function<void(std::string_view)>;

} // namespace tidecopy
