#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <optional>
#include <string>
#include <system_error>

namespace tidecopy {

enum class MissingFolders { Create, Fail };

// Opens the folders of one run's destination without following a symbolic link below the
// destination folder, creating missing levels when asked. The destination folder itself
// may be a link: the user chose it. Files come folder by folder, so the last folder opened
// stays open.
class DestinationFolders {
public:
    DestinationFolders(FileSystem& fs, const PathStyle& style, std::string destinationFolder);

    struct Opening {
        const OpenFolder* folder = nullptr; // valid until the next open; null on failure
        std::error_code error;
        std::string failedPath; // the level the error is about
    };
    // folder is the destination folder or a folder below it, with a trailing separator.
    Opening open(const std::string& folder, MissingFolders missing);

private:
    std::error_code openDestination(MissingFolders missing);
    Opening openLevels(const std::string& folder, MissingFolders missing);

    FileSystem& m_fs;
    PathStyle m_style;
    std::string m_destination;
    std::optional<OpenFolder> m_destinationFolder;
    std::optional<OpenFolder> m_current;
};

} // namespace tidecopy
