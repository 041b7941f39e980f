#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tidecopy {

// What the product's version file says: the newest version's number (321 for 3.2.1) and
// the title of its announcement, as plain UTF-8 text (empty when the file has none).
struct VersionFile {
    int number = 0;
    std::string title;
};

// Reads a version file: a 16-bit number up to a comma or the line end, then the rest of
// the text up to the next line end as the title (after a comma, the rest of the first
// line). Lines end in LF or CR LF; 8-bit text that is not UTF-8 is read as Windows text.
// nullopt when the first field is not such a number.
std::optional<VersionFile> readVersionFile(std::string_view text);

} // namespace tidecopy
