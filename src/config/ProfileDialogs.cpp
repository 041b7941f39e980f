#include "config/ProfileDialogs.h"

namespace tidecopy {

namespace {

FileDialogRequest requestOf(const FileDialogContext& context, std::string title, FileKind kind,
                            const std::string& initialFolder, const std::string& proposedName) {
    return {std::move(title), fileFiltersOf(kind),
            initialFolder.empty() ? context.programFolder : initialFolder, proposedName};
}

} // namespace

std::vector<FileFilter> fileFiltersOf(FileKind kind) {
    if (kind == FileKind::Profiles)
        return {{"Backup/Restore Profiles (*.prof)", "*.prof"}, {"All Files (*.*)", "*.*"}};
    return {{"Files (*.txt;*.log)", "*.txt;*.log"},
            {"Text Files (*.txt)", "*.txt"},
            {"Log Files (*.log)", "*.log"},
            {"All Files (*.*)", "*.*"}};
}

ChosenFile splitChosenPath(const PathStyle& style, std::string_view path) {
    const std::string_view folder = style.folderPartOf(path);
    return {std::string(folder), std::string(path.substr(folder.size()))};
}

std::optional<ChosenFile> ShowOpen(FileDialogContext& context, FileKind kind,
                                   const std::string& initialFolder,
                                   const std::string& proposedName) {
    const std::optional<std::string> path = context.prompts.openFile(
        requestOf(context, "Open File", kind, initialFolder, proposedName));
    if (!path)
        return std::nullopt;
    // The dialog accepts names of files that do not exist; reading tells.
    if (const Result<std::string> contents = context.fs.readWholeFile(*path); !contents) {
        context.prompts.message("Err nr: " + std::to_string(contents.error().value()),
                                "Could not read-, open or find file " + *path, PromptButtons::Ok,
                                PromptIcon::Warning);
        return std::nullopt;
    }
    return splitChosenPath(context.style, *path);
}

std::optional<ChosenFile> ShowSave(FileDialogContext& context, FileKind kind,
                                   const std::string& initialFolder,
                                   const std::string& proposedName) {
    const std::optional<std::string> path = context.prompts.saveFile(
        requestOf(context, "Save File", kind, initialFolder, proposedName));
    if (!path)
        return std::nullopt;
    // Anything of that name counts, hidden files too: nothing is replaced unasked.
    if (context.fs.entryInfo(*path).ok() &&
        context.prompts.message("File already exists", "Do you want to replace the file?",
                                PromptButtons::YesNo, PromptIcon::Information) != PromptAnswer::Yes)
        return std::nullopt;
    return splitChosenPath(context.style, *path);
}

} // namespace tidecopy
