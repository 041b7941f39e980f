#pragma once

#include <functional>
#include <string>

namespace tidecopy {

// The well-known folders of a user (the XDG user directories on POSIX).
enum class UserFolder { Desktop, Documents, Pictures, Music, Videos };

// Looks up a well-known user folder; empty text when the system names none.
using UserFolderLookup = std::function<std::string(UserFolder)>;

} // namespace tidecopy
