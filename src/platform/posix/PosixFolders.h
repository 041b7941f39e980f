#pragma once

#include <string>

namespace tidecopy {

// Where the POSIX backend finds the program and the user's folders.

// The folder of the running executable.
std::string executableFolder();

// The per-user config folder: $XDG_CONFIG_HOME, else $HOME/.config.
std::string userConfigHome();

// The user's home folder: $HOME, else empty.
std::string userHomeFolder();

} // namespace tidecopy
