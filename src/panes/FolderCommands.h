#pragma once

#include "panes/FileCommands.h"

namespace tidecopy {

// The numbers of the folder menu's items (mnuFolderOptions).
namespace FolderMenuItem {
inline constexpr int Properties = 10;
inline constexpr int Paste = 27;
inline constexpr int Rename = 30;
inline constexpr int New = 40;
inline constexpr int Delete = 50;
inline constexpr int Find = 70;
inline constexpr int RunExplorer = 80;
inline constexpr int ExitMenu = 1000;
} // namespace FolderMenuItem

// Whether a folder menu item is enabled as the menu opens, for the pane it opens on:
// Rename and Delete not at a drive root, the others always.
bool folderMenuItemEnabled(int item, bool renameDeleteEnabled);

// The folder menu's commands on the active pane's folder, in the shape of the file
// commands: refusals and what touches no file on the window's thread, renaming, creating
// and deleting as work handed back; FileCommands::finish then moves a pane that showed a
// renamed or deleted folder and refreshes both.
class FolderCommands {
public:
    FolderCommands(FileCommands& fileCommands, Panes& panes, Platform& platform, Prompts& prompts);

    FileCommandStep run(int item);

private:
    FileCommandStep rename(const std::string& folder);
    FileCommandStep remove(const std::string& folder);
    // The protected folders, a drive's root and a mount point: the refusal shown, if any.
    bool refused(const std::string& folder, const char* title, const char* verb);

    FileCommands& m_fileCommands;
    Panes& m_panes;
    Platform& m_platform;
    Prompts& m_prompts;
};

} // namespace tidecopy
