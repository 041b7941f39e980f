#pragma once

#include <string>
#include <string_view>

namespace tidecopy {

// Text is UTF-8 inside the program and UTF-16 at the Win32 calls; these are the only
// conversions. Windows allows names that are no valid UTF-16 (a lone surrogate): they
// travel as WTF-8 (the surrogate encoded like any other code point), so a name read from a
// listing names the same entry when it is handed back.
std::wstring widened(std::string_view utf8);
std::string narrowed(std::wstring_view utf16);

// The absolute form of a path that lifts the 260-character limit: "\\?\C:\a\b" or
// "\\?\UNC\server\share\a". Relative paths and "/" separators are resolved first, as the
// system does for an ordinary path.
std::wstring extendedPath(const std::string& path);

// The ordinary form of a path the system hands back in its extended form.
std::string ordinaryPath(std::wstring_view path);

} // namespace tidecopy
