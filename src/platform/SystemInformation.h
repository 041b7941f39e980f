#pragma once

#include "platform/FileSystem.h"

#include <string>

namespace tidecopy {

// The full path of the system-information tool the system itself registers (on Windows in
// the machine-wide registry); empty when it registers none, as POSIX systems do: a front
// end may then look for a desktop's tool on its own.
std::string registeredSystemInformationTool(FileSystem& fs);

} // namespace tidecopy
