#include "panes/PaneCopies.h"

#include "engine/FileCopier.h"
#include "platform/Errors.h"
#include "platform/Existence.h"
#include "platform/Prompts.h"

namespace tidecopy {

namespace {

enum class CopyError { SameFile = 1 };

// Names the panes' own copy refusal in messages.
class CopyErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "pane copy"; }
    std::string message(int) const override { return "Source and destination are the same file"; }
};

std::error_code sameFileError() {
    static const CopyErrorCategory category;
    return {static_cast<int>(CopyError::SameFile), category};
}

bool overwriteAgreed(const PaneActionContext& context, const std::string& title,
                     const std::string& shownName) {
    return context.prompts.message(title,
                                   "File " + shownName +
                                       " already exists.\r\nDo you want to overwrite the file?",
                                   PromptButtons::YesNo, PromptIcon::None) == PromptAnswer::Yes;
}

} // namespace

std::error_code copyFileOnto(const PaneActionContext& context, const std::string& source,
                             const std::string& target) {
    if (SameEntry(context.fs, source, target))
        return sameFileError();
    FileCopier copier(context.fs, context.style, CopyOptions{}, LogSink{}, context.control);
    return copier.copyOneFile(source, target);
}

void pasteFile(const PaneActionContext& context, const std::string& copiedFile,
               const std::string& folder) {
    const std::string name = FileNameOf(context.style, copiedFile);
    const std::string target = context.style.join(folder, name);
    if (context.somethingAt(target) && !overwriteAgreed(context, "Copy file", name))
        return;
    const std::error_code error = copyFileOnto(context, copiedFile, target);
    if (error == std::errc::operation_canceled)
        return;
    if (error) {
        context.prompts.message("Copy File. " + describeError(error),
                                "Could not copy the file '" + name + "'", PromptButtons::Ok,
                                PromptIcon::None);
        return;
    }
    context.logUser("User copied file " + copiedFile + " to " + target);
}

void DoOneFileCopy(const PaneActionContext& context, const std::string& strFrom,
                   const std::string& strTo) {
    if (context.somethingAt(strTo) && !overwriteAgreed(context, "Drag-Drop File Copy", strTo))
        return;
    const std::error_code error = copyFileOnto(context, strFrom, strTo);
    if (error == std::errc::operation_canceled)
        return;
    if (error) {
        context.prompts.message({},
                                "Could not copy file. Error (" + describeError(error) +
                                    ") in procedure DoOneFileCopy",
                                PromptButtons::Ok, PromptIcon::None);
        return;
    }
    context.logUser("User manually drag-drop file " + strFrom + " to " + strTo);
}

void dropFiles(const PaneActionContext& context, const std::vector<std::string>& paths,
               const std::string& folder) {
    for (const std::string& dropped : paths) {
        if (context.control.cancelled())
            return;
        // A folder may come with a separator after its name.
        const std::string path = context.style.withoutTrailingSeparator(dropped);
        DoOneFileCopy(context, path, context.style.join(folder, FileNameOf(context.style, path)));
    }
}

} // namespace tidecopy
