#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tidecopy {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// Settings files written on Windows are in its 8-bit code page; the five bytes that
// code page leaves undefined become the C1 control of the same number.
std::string windows1252ToUtf8(std::string_view text);

// The number of characters (code points) of valid UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// The text with the letters A to Z in lower case, as the product compares names and
// answers without regard to case; other bytes stay as they are.
std::string lowerCase(std::string_view text);

} // namespace tidecopy
