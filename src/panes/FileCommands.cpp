#include "panes/FileCommands.h"

#include "panes/FileProperties.h"
#include "panes/PaneCopies.h"
#include "panes/PaneDeletes.h"
#include "panes/Panes.h"
#include "panes/RenameFileOrDir.h"
#include "platform/Existence.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"

namespace tidecopy {

namespace {

bool needsSelectedFile(int item) {
    using namespace FileMenuItem;
    return item == Properties || item == Copy || item == Rename || item == Delete ||
           item == DeleteAllFiles || item == Open;
}

FileCommandStep refreshOnly() {
    return {};
}

} // namespace

bool fileMenuItemEnabled(int item, bool fileSelected, bool fileMarked) {
    if (item == FileMenuItem::Paste)
        return fileSelected || fileMarked;
    return !needsSelectedFile(item) || fileSelected;
}

FileCommands::FileCommands(Panes& panes, Platform& platform, Prompts& prompts)
    : m_panes(panes)
    , m_platform(platform)
    , m_prompts(prompts) {}

FileCommandStep FileCommands::endEarly(const std::string& title, const std::string& text,
                                       PromptIcon icon) {
    m_prompts.message(title, text, PromptButtons::Ok, icon);
    return {true, {}};
}

FileCommandStep FileCommands::run(int item) {
    const Pane active = m_panes.ActivePane();
    const std::string folder = m_panes.pane(active).folder;
    const std::string name = m_panes.selectedFileName(active);
    if (needsSelectedFile(item)) {
        if (name.empty())
            return endEarly({}, "Please select a file first.");
        return onSelectedFile(item, folder, name);
    }
    switch (item) {
    case FileMenuItem::Paste:
        return paste(folder);
    case FileMenuItem::Find:
        return find(folder);
    case FileMenuItem::RunExplorer:
        // A failure of the desktop's file manager is not reported.
        m_platform.shell.showFolder(folder);
        break;
    }
    return refreshOnly();
}

FileCommandStep FileCommands::onSelectedFile(int item, const std::string& folder,
                                             const std::string& name) {
    const std::string path = m_panes.style().join(folder, name);
    switch (item) {
    case FileMenuItem::Properties:
        showProperties(path);
        break;
    case FileMenuItem::Copy:
        m_panes.setCopiedFile(path);
        break;
    case FileMenuItem::Rename:
        return {false, [folder, name](const PaneActionContext& context) {
                    renameFile(context, folder, name);
                    return FileWorkResult{};
                }};
    case FileMenuItem::Delete:
        return {false, [folder, name](const PaneActionContext& context) {
                    return FileWorkResult{deleteFile(context, folder, name)};
                }};
    case FileMenuItem::DeleteAllFiles:
        return deleteAll(folder);
    case FileMenuItem::Open:
        // Nothing is reported when no application takes the file.
        m_platform.shell.openDocument(path);
        break;
    }
    return refreshOnly();
}

void FileCommands::showProperties(const std::string& path) {
    if (!m_platform.shell.showProperties(path))
        return;
    m_prompts.message("Properties",
                      propertiesText(m_platform.fs, m_panes.style(), m_panes.formats(), path),
                      PromptButtons::Ok, PromptIcon::Information);
}

FileCommandStep FileCommands::paste(const std::string& folder) {
    const std::string source = m_panes.CopiedFile();
    if (folder.empty() || FileNameOf(m_panes.style(), source).empty())
        return endEarly({}, "There is nothing to copy\r\nPlease select a file and use Copy first.");
    return {false, [source, folder](const PaneActionContext& context) {
                pasteFile(context, source, folder);
                return FileWorkResult{};
            }};
}

FileCommandStep FileCommands::deleteAll(const std::string& folder) {
    const std::string refusal =
        protectedFolderRefusal(m_platform.fs, m_panes.style(), m_platform.environment, folder);
    if (!refusal.empty())
        return endEarly("Delete files", refusal, PromptIcon::Information);
    // What the list shows is what the user agrees to delete; a file that came since stays.
    std::vector<std::string> names = m_panes.pane(m_panes.ActivePane()).contents.files;
    return {false, [folder, names = std::move(names)](const PaneActionContext& context) {
                return FileWorkResult{deleteAllFiles(context, folder, names)};
            }};
}

FileCommandStep FileCommands::find(const std::string& folder) {
    if (m_platform.shell.searchFolder(folder) == std::errc::function_not_supported)
        m_prompts.message({}, "No file search program is installed on this computer.",
                          PromptButtons::Ok, PromptIcon::Information);
    return refreshOnly();
}

FileCommandStep FileCommands::drop(Pane pane, std::vector<std::string> paths) {
    if (paths.empty())
        return {true, {}};
    return {false, [folder = m_panes.pane(pane).folder,
                    paths = std::move(paths)](const PaneActionContext& context) {
                dropFiles(context, paths, folder);
                return FileWorkResult{};
            }};
}

void FileCommands::finish(const FileWorkResult& result) {
    if (result.clearMark)
        m_panes.setCopiedFile({});
    m_panes.refreshBoth();
}

} // namespace tidecopy
