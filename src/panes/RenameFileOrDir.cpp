#include "panes/RenameFileOrDir.h"

#include "config/TextEncoding.h"
#include "panes/PaneCopies.h"
#include "platform/Errors.h"
#include "platform/Existence.h"
#include "platform/Prompts.h"

namespace tidecopy {

namespace {

constexpr const char* refusalTitle = "Cannot perform operation";

void refuse(const PaneActionContext& context, const char* text) {
    context.prompts.message(refusalTitle, text, PromptButtons::Ok, PromptIcon::None);
}

// The file goes by the fail-safe copy, then its old name goes: a failure at any point
// leaves the source where it was.
std::error_code moveAcrossVolumes(const PaneActionContext& context, const std::string& source,
                                  const std::string& target) {
    if (const std::error_code error = copyFileOnto(context, source, target))
        return error;
    return context.fs.removeFile(source);
}

} // namespace

// Windows takes a "/" for a separator too.
bool isPlainName(const PathStyle& style, std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find(style.separator()) == std::string_view::npos &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool RenameFileOrDir(const PaneActionContext& context, const std::string& strSource,
                     const std::string& strTarget, bool fOverwriteTarget) {
    if (strSource.empty() || strTarget.empty())
        return false;
    const Result<EntryInfo> source = context.fs.entryInfo(strSource);
    if (!source)
        return false;
    const Result<EntryInfo> target = context.fs.entryInfo(strTarget);
    std::error_code error;
    if (target) {
        if (SameEntry(context.fs, strSource, strTarget))
            return false;
        if (!fOverwriteTarget &&
            context.prompts.message("Overwrite confirmation",
                                    "Do you wish to overwrite the target file?",
                                    PromptButtons::YesNo, PromptIcon::Warning) != PromptAnswer::Yes)
            return false;
        if (target->type == EntryType::Directory) {
            refuse(context, "Cannot overwrite a directory");
            return false;
        }
        error = context.fs.renamePath(strSource, strTarget, FileSystem::RenameMode::Replace);
    } else {
        error = context.fs.renamePath(strSource, strTarget, FileSystem::RenameMode::NoReplace);
    }
    if (error == std::errc::cross_device_link) {
        if (source->type == EntryType::Directory) {
            refuse(context, "Cannot rename directories across drives");
            return false;
        }
        error = moveAcrossVolumes(context, strSource, strTarget);
    }
    if (error == std::errc::operation_canceled)
        return false;
    if (error) {
        context.prompts.message("RenameFileOrDir",
                                "Error: " + std::to_string(error.value()) + ". " +
                                    describeError(error),
                                PromptButtons::Ok, PromptIcon::None);
        return false;
    }
    return true;
}

void renameFile(const PaneActionContext& context, const std::string& folder,
                const std::string& name) {
    const std::optional<std::string> answer =
        context.prompts.input("Rename File", "Type in the new name for file '" + name + "'", name);
    if (!answer || answer->empty() || lowerCase(*answer) == lowerCase(name))
        return;
    if (isPlainName(context.style, *answer) &&
        RenameFileOrDir(context, context.style.join(folder, name),
                        context.style.join(folder, *answer))) {
        context.logUser("User renamed file " + name + " to " + *answer);
        return;
    }
    context.prompts.message("Rename File",
                            "Could not rename the file '" + name + "' to '" + *answer + "'",
                            PromptButtons::Ok, PromptIcon::None);
}

} // namespace tidecopy
