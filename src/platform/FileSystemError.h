#pragma once

#include <system_error>

namespace tidecopy {

// Failures of our own making, beside the operating system's errors.
enum class FileSystemError {
    SymlinkNotFollowed = 1, // a symbolic link where a destination folder is expected
    SourceChanged,          // the source's size or times changed while its bytes were copied
    OtherFileSystem,        // a mount point inside a tree that must stay on one file system
};

std::error_code make_error_code(FileSystemError error);

} // namespace tidecopy

template <>
struct std::is_error_code_enum<tidecopy::FileSystemError> : std::true_type {};
