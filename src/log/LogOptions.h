#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tidecopy {

// How the log options of the option set govern the log view.

// A preview keeps a detailed log; this bounds it for the preview's duration.
inline constexpr std::size_t previewLogMaxLength = 256000;

// The numeric value of a LogLimit text, as the options dialog lets any characters in:
// leading blanks skipped, an optional sign, then the digits up to the first other
// character (" 20000 lines" is 20000); 0 without digits; at most 2^31 - 1.
std::int64_t LogLimitValue(std::string_view logLimit);

// The log's maximum length for a LogLimit text: its value when that is 1000 or more,
// else 0 (unlimited).
std::size_t logMaxLengthFor(std::string_view logLimit);

// The user may edit the log exactly when chkeditLog is on; the program's appends
// arrive either way.
inline bool logIsReadOnly(bool chkeditLog) {
    return !chkeditLog;
}

} // namespace tidecopy
