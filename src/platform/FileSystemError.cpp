#include "platform/FileSystemError.h"

#include <string>

namespace tidecopy {

namespace {

class FileSystemErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "file system"; }
    std::string message(int value) const override {
        switch (static_cast<FileSystemError>(value)) {
        case FileSystemError::SymlinkNotFollowed:
            return "Is a symbolic link; not followed";
        case FileSystemError::SourceChanged:
            return "Changed while it was being copied";
        case FileSystemError::OtherFileSystem:
            return "Is another mounted file system; not entered";
        }
        return "File system error";
    }
};

} // namespace

std::error_code make_error_code(FileSystemError error) {
    static const FileSystemErrorCategory category;
    return {static_cast<int>(error), category};
}

} // namespace tidecopy
