#pragma once

#include "panes/DisplayFormats.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstdint>
#include <string>

namespace tidecopy {

// "rw-r--r--": permission bits as a listing shows them, set-ID and sticky bits included.
std::string permissionText(std::uint32_t permissions);

// The text of the program's own properties box, for a desktop without one: name, folder,
// size, modification time and permissions, one per line. A file that cannot be read
// shows its name and folder alone.
std::string propertiesText(FileSystem& fs, const PathStyle& style, const DisplayFormats& formats,
                           const std::string& path);

} // namespace tidecopy
