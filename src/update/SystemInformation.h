#pragma once

#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <array>
#include <functional>
#include <string>

namespace tidecopy {

// The desktops' system-information tools, in the order they are looked for.
inline constexpr std::array<const char*, 3> systemInformationTools = {
    "kinfocenter", "gnome-system-monitor", "hardinfo"};

// The full path of an installed program found by its name, or empty.
using ProgramLookup = std::function<std::string(const std::string& name)>;

// cmdSysInfo: starts the first system-information tool that is installed. None, or one
// that fails to start, gives the unavailable message.
void StartSystemInformation(const ProgramLookup& findProgram, Shell& shell, Prompts& prompts);

} // namespace tidecopy
