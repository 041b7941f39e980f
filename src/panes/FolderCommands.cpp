#include "panes/FolderCommands.h"

#include "config/TextEncoding.h"
#include "panes/FolderTree.h"
#include "panes/PaneDeletes.h"
#include "panes/Panes.h"
#include "panes/RenameFileOrDir.h"
#include "platform/Errors.h"
#include "platform/Existence.h"
#include "platform/FileSystemError.h"
#include "platform/Platform.h"

#include <algorithm>

namespace tidecopy {

namespace {

std::string extentText(int subFolders) {
    if (subFolders == 0)
        return " folder";
    if (subFolders == 1)
        return " and the sub-folder";
    return " and all " + std::to_string(subFolders) + " sub-folders";
}

void ok(const PaneActionContext& context, const std::string& title, const std::string& text,
        PromptIcon icon = PromptIcon::None) {
    context.prompts.message(title, text, PromptButtons::Ok, icon);
}

FileWorkResult renameFolder(const PaneActionContext& context, const std::string& folder) {
    const PathStyle& style = context.style;
    const std::string name(style.fileNameOf(folder));
    const std::string parent(style.folderPartOf(folder));
    const std::optional<std::string> answer = context.prompts.input(
        "Rename Folder", "Type in the new name for folder '" + folder + "'", name);
    if (!answer || answer->empty())
        return {};
    const std::string target = parent + *answer;
    // A name with a separator would move the folder elsewhere: refused as a failed rename.
    if (lowerCase(target) == lowerCase(folder) || !isPlainName(style, *answer)) {
        ok(context, "Rename Folder", "Could not rename the folder '" + name + "'");
        return {};
    }
    if (!RenameFileOrDir(context, folder, target, false))
        return FileWorkResult::markCleared(true);
    context.logUser("User renamed folder " + folder + " to " + target);
    return FileWorkResult::folderMoved(folder, target);
}

FileWorkResult createFolder(const PaneActionContext& context, const std::string& folder) {
    const std::optional<std::string> answer =
        context.prompts.input("Create New Folder", "Type in the name for the folder", "");
    if (!answer || answer->empty())
        return {};
    const std::string path = context.style.join(folder, *answer);
    if (FileOrDirExists(context.fs, context.style, path)) {
        ok(context, "New Folder. Error nr 0",
           "Could not create the folder '" + *answer +
               "'\r\nFolder already exist or is not accessible.");
        return {};
    }
    // Only a folder inside this one: a separator or ".." would create it elsewhere.
    const std::error_code error = isPlainName(context.style, *answer)
                                      ? context.fs.createFolder(path)
                                      : std::make_error_code(std::errc::invalid_argument);
    if (error) {
        ok(context, "New folder." + describeError(error), "Could not create new folder " + *answer);
        return {};
    }
    context.logUser("User create a new folder: " + *answer);
    return {};
}

FileWorkResult deleteFolder(const PaneActionContext& context, const std::string& folder,
                            const std::string& extent,
                            const std::vector<std::string>& mountPoints) {
    if (context.prompts.message("Delete Folder(s)!",
                                "Are you sure to delete '" + folder + "'" + extent + "?",
                                PromptButtons::YesNoCancel, PromptIcon::None) != PromptAnswer::Yes)
        return {};
    const TreeDeletion deletion = DeleteFolderTree(context, folder, mountPoints);
    if (!deletion.deleted) {
        // A half-emptied folder is named, so that nobody takes it for untouched.
        if (deletion.error != std::errc::operation_canceled)
            ok(context, "Delete Folder",
               "Could not delete '" + deletion.failedPath + "' (" + describeError(deletion.error) +
                   ").\r\nThe folder '" + folder + "' may be partly deleted.",
               PromptIcon::Warning);
        return {};
    }
    ok(context, "Delete Folder", "Folder(s) deleted succesfully.");
    context.logUser("User deleted " + extent + " :" + folder);
    return FileWorkResult::folderMoved(
        folder, context.style.withoutTrailingSeparator(context.style.folderPartOf(folder)));
}

} // namespace

bool folderMenuItemEnabled(int item, bool renameDeleteEnabled) {
    return (item != FolderMenuItem::Rename && item != FolderMenuItem::Delete) ||
           renameDeleteEnabled;
}

FolderCommands::FolderCommands(FileCommands& fileCommands, Panes& panes, Platform& platform,
                               Prompts& prompts)
    : m_fileCommands(fileCommands)
    , m_panes(panes)
    , m_platform(platform)
    , m_prompts(prompts) {}

FileCommandStep FolderCommands::run(int item) {
    const std::string folder = m_panes.pane(m_panes.ActivePane()).folder;
    switch (item) {
    case FolderMenuItem::Properties:
        m_fileCommands.showProperties(folder);
        break;
    case FolderMenuItem::Paste:
        return m_fileCommands.paste(folder);
    case FolderMenuItem::Rename:
        return rename(folder);
    case FolderMenuItem::New:
        return {false, [folder](const PaneActionContext& context) {
                    return createFolder(context, folder);
                }};
    case FolderMenuItem::Delete:
        return remove(folder);
    case FolderMenuItem::Find:
        return m_fileCommands.find(folder);
    case FolderMenuItem::RunExplorer:
        // A failure of the desktop's file manager is not reported.
        m_platform.shell.showFolder(folder);
        break;
    }
    return {};
}

bool FolderCommands::refused(const std::string& folder, const char* title, const char* verb) {
    const std::string sorry = std::string("Sorry, but ") + verb;
    switch (protectedFolderOf(m_platform.fs, m_panes.style(), m_platform.environment, folder)) {
    case ProtectedFolder::Windows:
        m_fileCommands.endEarly(title,
                                sorry + " the Windows folder is not permitted with this program.",
                                PromptIcon::Information);
        return true;
    case ProtectedFolder::System:
        m_fileCommands.endEarly(
            title, sorry + " the Windows\\System folder is not permitted with this program.",
            PromptIcon::Information);
        return true;
    case ProtectedFolder::None:
        break;
    }
    // The menu offers neither command there; the command itself makes sure.
    const Result<std::string> resolved = m_platform.fs.canonicalPath(folder);
    const std::vector<std::string> mounts = m_platform.volumes.mountPoints();
    if (m_panes.style().isRoot(folder) ||
        (resolved && std::find(mounts.begin(), mounts.end(), *resolved) != mounts.end())) {
        m_fileCommands.endEarly(
            title, sorry + " the root folder of a drive is not permitted with this program.",
            PromptIcon::Information);
        return true;
    }
    return false;
}

FileCommandStep FolderCommands::rename(const std::string& folder) {
    if (refused(folder, "Rename folders", "renaming"))
        return {true, {}};
    return {false, [folder](const PaneActionContext& context) {
                return renameFolder(context, folder);
            }};
}

FileCommandStep FolderCommands::remove(const std::string& folder) {
    if (refused(folder, "Delete folders", "deleting"))
        return {true, {}};
    const std::string extent = extentText(CountDirectories(m_platform.fs, m_panes.style(), folder));
    return {false, [folder, extent,
                    mounts = m_platform.volumes.mountPoints()](const PaneActionContext& context) {
                return deleteFolder(context, folder, extent, mounts);
            }};
}

} // namespace tidecopy
