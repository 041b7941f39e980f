#include "update/SystemInformation.h"

namespace tidecopy {

void StartSystemInformation(const ProgramLookup& findProgram, Shell& shell, Prompts& prompts) {
    for (const char* tool : systemInformationTools) {
        const std::string path = findProgram(tool);
        if (path.empty())
            continue;
        if (!shell.startProgram(path))
            return;
        break;
    }
    prompts.message("", "System Information Is Unavailable At This Time", PromptButtons::Ok,
                    PromptIcon::None);
}

} // namespace tidecopy
