#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tidecopy::test {

// Real entries made and looked at the system's own way, bypassing the code under test.
// One implementation per system (support/posix, support/win32).

void setModifiedNs(const std::string& path, std::int64_t ns);
std::int64_t modifiedNs(const std::string& path);
// The POSIX permission bits; on Windows 0444 for a read-only file, else 0666.
std::uint32_t permissionsOf(const std::string& path);

void makeReadOnly(const std::string& path);
// Hidden as listings see it: on POSIX a leading dot (already in the name), on Windows the
// attribute.
void makeHidden(const std::string& path);
// An entry the listings take for a system entry: a FIFO on POSIX, a file with the system
// attribute on Windows.
void makeSystemEntry(const std::string& path);
// A symbolic link holding target; false where the system makes none for a test (Wine, or
// Windows without the right to make links).
bool makeSymlink(const std::string& target, const std::string& path);

// Names a file may have on this system that listings and copies keep as they are: control
// characters and bytes that are no UTF-8 on POSIX, letters beyond the Basic Multilingual
// Plane on Windows, and a name of 255 characters on both.
std::vector<std::string> unusualNames();

// Whether a run's log line names the error the system gave for file: on POSIX the line
// ends in posixText exactly; Windows words its errors its own way, so there any words do.
bool namesSystemError(std::string_view line, std::string_view file, std::string_view posixText);

// What the process holds open (descriptors, handles): every one a run opens must go again.
std::size_t openHandles();

// Our temporaries left in a folder.
std::vector<std::string> temporariesIn(const std::string& folder);

} // namespace tidecopy::test
