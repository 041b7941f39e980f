#pragma once

#include <cstdint>
#include <string>

namespace tidecopy {

// The product's file attribute bits; the numbers are the ones masks are written with.
namespace FileAttribute {
inline constexpr std::uint32_t ReadOnly = 1;
inline constexpr std::uint32_t Hidden = 2;
inline constexpr std::uint32_t System = 4;
inline constexpr std::uint32_t Directory = 16;
inline constexpr std::uint32_t Archive = 32;
} // namespace FileAttribute

// Attribute masks used by the listings.
namespace AttributeMask {
inline constexpr std::uint32_t OrdinaryFilesOnly = 0;
inline constexpr std::uint32_t Folders = 16;
inline constexpr std::uint32_t Files = 32;
} // namespace AttributeMask

// Kind of a directory entry, never following a symbolic link.
enum class EntryType { File, Directory, Symlink, Other };

// Metadata of one entry, as lstat sees it.
struct EntryInfo {
    EntryType type = EntryType::File;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // since the Unix epoch, UTC
    std::uint32_t attributes = 0;
    std::uint32_t permissions = 0; // POSIX permission bits (07777)
};

// What a file or folder is, whatever path leads to it (device and inode on POSIX): two
// paths name the same folder exactly when their identities are equal.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// One name of a folder listing with what the selection rule needs.
struct FolderEntry {
    std::string name;
    EntryType type = EntryType::File;
    std::uint32_t attributes = 0; // read-only is not filled in: it never decides a selection
};

} // namespace tidecopy
