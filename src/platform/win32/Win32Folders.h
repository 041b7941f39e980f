#pragma once

#include "platform/UserFolders.h"

#include <string>

namespace tidecopy {

// Where the Windows backend finds the program and the user's folders.

// The folder of the running executable.
std::string executableFolder();

// The user's roaming application-data folder (%APPDATA%), where per-user files go.
std::string userConfigHome();

// A known folder of the user (SHGetKnownFolderPath); empty when the system names none.
std::string knownUserFolder(UserFolder folder);

} // namespace tidecopy
