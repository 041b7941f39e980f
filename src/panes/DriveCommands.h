#pragma once

#include "panes/FileCommands.h"
#include "panes/FormatChoices.h"

namespace tidecopy {

class Disks;

// The numbers of the drive menu's items (mnuDriveOptions).
namespace DriveMenuItem {
inline constexpr int Properties = 10;
inline constexpr int DiskCleanup = 30;
inline constexpr int Defrag = 40;
inline constexpr int DiskManagement = 50;
inline constexpr int FreeSpace = 55;
inline constexpr int ChangeLabel = 60;
inline constexpr int Format = 80;
inline constexpr int Find = 100;
inline constexpr int RunExplorer = 110;
inline constexpr int ExitMenu = 1000;
} // namespace DriveMenuItem

// Whether a drive menu item is enabled: a system tool or Format... only where the
// desktop has the tool, everything else always.
bool driveMenuItemEnabled(int item, Disks& disks);

// The drive menu's commands on the volume of the pane named by ActiveDrive, and the
// format dialog's Format button. They run on the window's thread and leave the panes as
// they are, except the label change, whose work (asking, relabelling, reporting) is handed
// back to run as a job and reads the drive lists again, and the format step, which starts
// the desktop's format dialog as a job.
class DriveCommands {
public:
    DriveCommands(FileCommands& fileCommands, Panes& panes, Platform& platform, Prompts& prompts,
                  Disks& disks);

    // Every item but Format..., which opens the format dialog.
    FileCommandStep run(int item);
    // The dialog's choices as it opens.
    FormatChoices formatChoicesNow();
    // The Format button with option chosen among choices.
    FileCommandStep format(const FormatChoices& choices, int option);

private:
    std::string mountPoint() const;
    std::string driveText() const;

    FileCommands& m_fileCommands;
    Panes& m_panes;
    Platform& m_platform;
    Prompts& m_prompts;
    Disks& m_disks;
};

} // namespace tidecopy
