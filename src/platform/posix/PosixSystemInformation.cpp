#include "platform/SystemInformation.h"

namespace tidecopy {

// No registry and no registered tool: the desktop's tools are found on PATH by the window.
std::string registeredSystemInformationTool(FileSystem&) {
    return {};
}

} // namespace tidecopy
