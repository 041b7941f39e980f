#include "platform/win32/Win32SystemInformation.h"

#include "platform/Existence.h"
#include "platform/SystemInformation.h"
#include "platform/win32/Win32RegistryStore.h"

namespace tidecopy {

std::string systemInformationToolBelow(HKEY root, FileSystem& fs) {
    std::string tool =
        readRegistryText(root, LR"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", L"PATH");
    if (!tool.empty())
        return tool;
    const std::string folder =
        readRegistryText(root, LR"(SOFTWARE\Microsoft\Shared Tools Location)", L"MSINFO");
    if (folder.empty())
        return {};
    tool = folder + "\\MSINFO32.EXE";
    return NamedFileExists(fs, tool) ? tool : std::string{};
}

std::string registeredSystemInformationTool(FileSystem& fs) {
    return systemInformationToolBelow(HKEY_LOCAL_MACHINE, fs);
}

} // namespace tidecopy
