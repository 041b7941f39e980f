#pragma once

#include <string>
#include <string_view>

namespace tidecopy {

// A long path broken into two display lines joined by CR LF: parts go to the first line
// while it is shorter than length characters, the rest to the second; two lines of
// more than 2.3 x length characters are shortened with "...." and "...". Texts
// shorter than 27 characters come back unchanged.
std::string SplitTheText(std::string_view text, char delimiter, int length);

} // namespace tidecopy
