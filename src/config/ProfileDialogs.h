#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Prompts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tidecopy {

// The kinds of file the open and save dialogs serve.
enum class FileKind { LogFiles = 0, Profiles = 1 };

// A file chosen in a dialog: its folder, with the trailing separator, and its name.
struct ChosenFile {
    std::string folder;
    std::string name;
    std::string path() const { return folder + name; }
    bool operator==(const ChosenFile&) const = default;
};

// The type list of a dialog of that kind, in the order it is offered.
std::vector<FileFilter> fileFiltersOf(FileKind kind);

// Splits a full path at its last separator.
ChosenFile splitChosenPath(const PathStyle& style, std::string_view path);

// What the open and save dialogs work with. An empty initial folder opens the program
// folder.
struct FileDialogContext {
    Prompts& prompts;
    FileSystem& fs;
    std::string programFolder;
    PathStyle style = PathStyle::native();
};

// The open dialog ("Open File"). A chosen file that cannot be read is reported and the
// dialog answers cancelled.
std::optional<ChosenFile> ShowOpen(FileDialogContext& context, FileKind kind,
                                   const std::string& initialFolder,
                                   const std::string& proposedName);

// The save dialog ("Save File"). Choosing a file that exists asks before it is replaced;
// No answers cancelled.
std::optional<ChosenFile> ShowSave(FileDialogContext& context, FileKind kind,
                                   const std::string& initialFolder,
                                   const std::string& proposedName);

} // namespace tidecopy
