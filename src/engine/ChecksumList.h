#pragma once

#include "engine/Sha256.h"
#include "platform/PathStyle.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tidecopy {

// The checksum list a backup keeps in its destination folder. Each file has the line
// sha256sum writes and `sha256sum -c` checks: the digest, two blanks and the file's path
// below the folder, "/" between its levels; a path holding a backslash, a line feed or a
// carriage return is escaped as sha256sum escapes it, and its line then starts with a
// backslash. Before it comes a comment line, which sha256sum skips, with the size and
// modification time the file had when it was hashed: a verify tells by them a file that
// was changed as files are from one whose bytes changed under the same size and time.

inline constexpr const char* checksumListName = "Tidecopy.sha256";

// A file's size and modification time when it was hashed.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

struct ChecksumEntry {
    Sha256Digest digest{};
    std::optional<FileStamp> stamp; // none in a list sha256sum wrote itself
    bool operator==(const ChecksumEntry&) const = default;
};

// By path below the destination folder, in byte order, as the file lists them.
using ChecksumList = std::map<std::string, ChecksumEntry>;

struct ParsedChecksumList {
    ChecksumList entries;
    std::vector<std::size_t> damagedLines; // counted from 1
};

// A line that is neither a comment nor a file's line is damaged; so is a path that would
// lead out of the folder (absolute, or with a ".." level) and a path listed twice.
ParsedChecksumList parseChecksumList(std::string_view text);
std::string checksumListText(const ChecksumList& list);

// A path as the list writes it, escaped where sha256sum escapes; log lines name files so.
std::string escapedListPath(std::string_view path);

// The list's path of a file below the destination folder (which ends in a separator),
// and the other way.
std::string listPathOf(const PathStyle& style, std::string_view destinationFolder,
                       std::string_view file);
std::string filePathOf(const PathStyle& style, std::string_view destinationFolder,
                       std::string_view listPath);

} // namespace tidecopy
