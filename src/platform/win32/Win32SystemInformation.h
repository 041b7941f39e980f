#pragma once

#include "platform/FileSystem.h"

#include <string>
#include <windows.h>

namespace tidecopy {

// The system-information tool as the registry below root names it: the value "PATH" of
// SOFTWARE\Microsoft\Shared Tools\MSINFO, else the folder in the value "MSINFO" of
// SOFTWARE\Microsoft\Shared Tools Location followed by "\MSINFO32.EXE" when that file
// exists; empty otherwise. The system's own root is HKEY_LOCAL_MACHINE.
std::string systemInformationToolBelow(HKEY root, FileSystem& fs);

} // namespace tidecopy
