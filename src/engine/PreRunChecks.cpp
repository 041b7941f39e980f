#include "engine/PreRunChecks.h"

#include "config/TextEncoding.h"
#include "platform/Existence.h"

namespace tidecopy {

namespace {

bool isWindowsFolder(const std::string& windowsFolder, const std::string& folder,
                     const PathStyle& style) {
    return lowerCase(windowsFolder) == lowerCase(style.withTrailingSeparator(folder));
}

// The same folder written twice differently ("Dir1" and "Dir1/", a path through a link) is
// still one folder: what the file system says decides.
bool sameFolder(FileSystem& fs, const std::string& a, const std::string& b) {
    return a == b || SameEntry(fs, a, b);
}

std::string confirmationText(const MainState& state) {
    return "You are about to backup/copy files from:\r\n" + state.Dir1 + "\r\n\r\n" +
           (state.chkSubFolders.checked ? "And all its sub folders to:" : "To: ") + "\r\n" +
           state.Dir2;
}

} // namespace

bool passesPreRunChecks(RunKind kind, const MainState& state, const OptionSet& options,
                        const std::string& windowsFolder, const PathStyle& style, FileSystem& fs,
                        Prompts& prompts) {
    if (sameFolder(fs, state.Dir1, state.Dir2)) {
        prompts.message("", "Source and Target folder can not be the same!", PromptButtons::Ok,
                        PromptIcon::None);
        return false;
    }
    if (isWindowsFolder(windowsFolder, state.Dir1, style)) {
        prompts.message("Operating System Protection",
                        "Sorry, this program does not support copying the Windows folder.",
                        PromptButtons::Ok, PromptIcon::Information);
        return false;
    }
    if (isWindowsFolder(windowsFolder, state.Dir2, style)) {
        prompts.message("Operating System Protection",
                        "Sorry, this program does not support copying files to the Windows folder.",
                        PromptButtons::Ok, PromptIcon::Information);
        return false;
    }
    if (kind == RunKind::Backup && options.chkConfirmationBackup != 0) {
        const PromptAnswer answer = prompts.message(
            "Backup", confirmationText(state), PromptButtons::YesNoCancel, PromptIcon::Information);
        return answer == PromptAnswer::Yes;
    }
    return true;
}

} // namespace tidecopy
