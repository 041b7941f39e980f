#pragma once

#include "platform/FileSystem.h"
#include "platform/UserFolders.h"

#include <string>
#include <string_view>

namespace tidecopy {

// The user's special folders as the XDG user directories name them.

// The folder a user-dirs.dirs text names for one entry, "$HOME" expanded; empty when the
// text does not name it, or names the home folder itself (the entry switched off).
// Only the desktop has a default: home/Desktop.
std::string userFolderFromUserDirs(std::string_view userDirsText, std::string_view home,
                                   UserFolder folder);

// Reads configHome/user-dirs.dirs; a missing file gives the defaults.
std::string lookUpUserFolder(FileSystem& fs, const std::string& configHome, const std::string& home,
                             UserFolder folder);

} // namespace tidecopy
