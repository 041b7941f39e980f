#include "panes/PaneDeletes.h"

#include "config/TextEncoding.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/Prompts.h"

namespace tidecopy {

namespace {

bool agreed(const PaneActionContext& context, const std::string& title, const std::string& text) {
    return context.prompts.message(title, text, PromptButtons::YesNoCancel, PromptIcon::None) ==
           PromptAnswer::Yes;
}

// Links resolved (/bin is /usr/bin on a merged /usr); a path that cannot be resolved is
// taken as written.
std::string resolvedForComparison(FileSystem& fs, const PathStyle& style, const std::string& path) {
    const Result<std::string> resolved = fs.canonicalPath(path);
    return lowerCase(resolved ? *resolved : style.withoutTrailingSeparator(path));
}

} // namespace

bool deleteFile(const PaneActionContext& context, const std::string& folder,
                const std::string& name) {
    if (!agreed(context, "Delete File", "Are you sure to delete " + name + "?"))
        return false;
    if (const std::error_code error = context.fs.removeFile(context.style.join(folder, name))) {
        context.prompts.message("Delete File. Error nr " + std::to_string(error.value()),
                                "Could not delete the file '" + name + "'", PromptButtons::Ok,
                                PromptIcon::None);
        return false;
    }
    context.logUser("User deleted file " + name);
    return true;
}

std::string protectedFolderRefusal(FileSystem& fs, const PathStyle& style,
                                   const Environment& environment, const std::string& folder) {
    const std::string shown = resolvedForComparison(fs, style, folder);
    const auto is = [&](const std::string& protectedFolder) {
        return !protectedFolder.empty() &&
               resolvedForComparison(fs, style, protectedFolder) == shown;
    };
    if (is(environment.windowsFolder))
        return "Sorry, but deleting files of the Windows folder is not permitted.";
    if (is(environment.systemFolder))
        return "Sorry, but deleting files of the Windows\\System folder is not permitted.";
    return {};
}

bool deleteAllFiles(const PaneActionContext& context, const std::string& folder,
                    const std::vector<std::string>& names) {
    const std::string shownFolder = context.style.withTrailingSeparator(folder);
    if (!agreed(context, "Delete All Files!",
                "Are you sure to delete ALL Files in folder " + shownFolder + "?"))
        return false;
    std::size_t failed = 0;
    std::string firstFailure;
    for (const std::string& name : names) {
        if (context.control.cancelled())
            return false;
        const std::error_code error = context.fs.removeFile(context.style.join(folder, name));
        if (error && failed++ == 0)
            firstFailure =
                "Could not delete the file '" + name + "' (" + describeError(error) + ").";
    }
    if (failed > 0) {
        if (failed > 1)
            firstFailure +=
                "\r\n" + std::to_string(failed - 1) + " other file(s) could not be deleted either.";
        context.prompts.message("Delete All Files", firstFailure, PromptButtons::Ok,
                                PromptIcon::Warning);
        return false;
    }
    context.prompts.message("Delete All Files", "Files succesfully deleted.", PromptButtons::Ok,
                            PromptIcon::None);
    context.logUser("User delete all files in folder " + shownFolder);
    return true;
}

} // namespace tidecopy
