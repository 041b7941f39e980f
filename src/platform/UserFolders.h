#pragma once

#include "platform/FileSystem.h"

#include <functional>
#include <string>
#include <string_view>

namespace tidecopy {

// The well-known folders of a user: the XDG user directories on POSIX.
enum class UserFolder { Desktop, Documents, Pictures, Music, Videos };

// Looks up a well-known user folder; empty text when the system names none.
using UserFolderLookup = std::function<std::string(UserFolder)>;

// The folder a user-dirs.dirs text names for one entry, "$HOME" expanded; empty when the
// text does not name it, or names the home folder itself (the entry switched off).
// Only the desktop has a default: home/Desktop.
std::string userFolderFromUserDirs(std::string_view userDirsText, std::string_view home,
                                   UserFolder folder);

// The user's home folder: $HOME, else empty.
std::string userHomeFolder();

// Reads configHome/user-dirs.dirs; a missing file gives the defaults.
std::string lookUpUserFolder(FileSystem& fs, const std::string& configHome, const std::string& home,
                             UserFolder folder);

} // namespace tidecopy
