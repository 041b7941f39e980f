#pragma once

#include "config/Pane.h"
#include "panes/DisplayFormats.h"
#include "panes/FolderContents.h"
#include "platform/PathStyle.h"
#include "platform/Volumes.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace tidecopy {

class Prompts;
struct MainState;
struct Platform;

// One pane as its lists and labels show it.
struct PaneState {
    std::string folder; // the folder list's path (Dir1, Dir2)
    std::string drive;  // mount point of the volume the drive list shows
    FolderContents contents;
    int selectedFile = -1;
    std::string lblFolderName;
    std::string lblTotalFiles;
    bool folderRenameDeleteEnabled = false; // the folder menu's Rename (30) and Delete (50)
};

// The labels both panes share; each shows the value of the pane that last set it.
struct StatusLabels {
    std::string lblDirSize;
    std::string lblFreeSpace;
    std::string lblFileInfo;
};

// What one step changed, so a view redraws exactly that.
namespace PaneUpdate {
inline constexpr unsigned Drive = 1;
inline constexpr unsigned Lists = 2;
inline constexpr unsigned FolderName = 4;
inline constexpr unsigned TotalFiles = 8;
inline constexpr unsigned FileSelection = 16;
inline constexpr unsigned DirSize = 32;
inline constexpr unsigned FreeSpace = 64;
inline constexpr unsigned FileInfo = 128;
inline constexpr unsigned ProgressCleared = 256; // lblPercent empty, imgPercent width 0
} // namespace PaneUpdate

struct PaneChange {
    Pane pane = Pane::Source;
    unsigned what = 0;
};

// The source pane and the destination pane: what each drive, folder and file
// event does, the window state the menus read (ActivePane, ActiveDrive) and the shared
// status labels. Owns the pane states; writes Dir1, Dir2 and DriveErrorFlag of the
// main state it is given. Views listen and redraw what a change names.
class Panes {
public:
    using Listener = std::function<void(const PaneChange&)>;

    // Messages go to prompts; texts follow the system's display formats.
    Panes(Platform& platform, Prompts& prompts, DisplayFormats formats, MainState& state,
          PathStyle style = PathStyle::native());

    void setListener(Listener listener) { m_listener = std::move(listener); }

    const PaneState& pane(Pane p) const { return m_panes[index(p)]; }
    const StatusLabels& labels() const { return m_labels; }
    Pane ActivePane() const { return m_activePane; }
    Pane ActiveDrive() const { return m_activeDrive; }
    // A right-click on a list or a click on a pane's folder or file menu icon.
    void setActivePane(Pane p) { m_activePane = p; }
    // A press on a pane's drive icon.
    void setActiveDrive(Pane p) { m_activeDrive = p; }

    // The drives present now, read again from the system.
    const std::vector<Volume>& refreshDrives();
    const std::vector<Volume>& drives() const { return m_drives; }

    // The folder list moved by the program (history, presets, settings, start-up). A
    // folder that cannot be read leaves the pane as it was and raises DriveErrorFlag.
    std::error_code setFolder(Pane p, const std::string& folder);
    // A click on a folder list entry: opens it, then shows the pane's folder again even
    // when it did not change or could not be opened.
    void openFolder(Pane p, const std::string& folder);
    // Reads the pane's folder again and shows it.
    void refreshFolder(Pane p);
    // A drive chosen in the drive list: its last folder, else its root. A drive that
    // cannot be read is reported and the drive list goes back to the folder's drive.
    std::error_code chooseDrive(Pane p, const std::string& mountPoint);
    // A file list entry selected by a click or by opening a folder.
    void selectFile(Pane p, int index);
    // A double-click: the file goes to its default application; failures are not shown.
    std::error_code openFile(Pane p, int index);
    // After a file or folder command: both panes read again, each keeping its selected
    // file where that is still listed, else the entry now in its place; the active pane
    // stays active and the shared labels show it.
    void refreshBoth();
    // A click on a pane's drive icon.
    void showFreeSpace(Pane p);
    // Start-up: the folder size and free space of the source pane and both panes' own
    // labels, as every change fills them.
    void fillStartUpLabels();

    // The folder and its ancestors, from the root down: what the folder list shows above
    // the sub-folders.
    std::vector<std::string> ancestorsOf(const std::string& folder) const;
    // The full path of a file list entry.
    std::string filePath(Pane p, int index) const;
    // The name of the pane's selected file; empty when none is selected.
    std::string selectedFileName(Pane p) const;

    // The file marked by the file menu's Copy, as a full path; empty when none is.
    const std::string& CopiedFile() const { return m_copiedFile; }
    void setCopiedFile(std::string path) { m_copiedFile = std::move(path); }

    const PathStyle& style() const { return m_style; }
    const DisplayFormats& formats() const { return m_formats; }

private:
    static std::size_t index(Pane p) { return static_cast<std::size_t>(indexOf(p)); }
    PaneState& paneAt(Pane p) { return m_panes[index(p)]; }
    void show(Pane p, std::string folder, FolderContents contents);
    std::string driveOf(const std::string& folder);
    bool isDriveRoot(const std::string& folder) const;
    void notify(Pane p, unsigned what);

    Platform& m_platform;
    Prompts& m_prompts;
    DisplayFormats m_formats;
    PathStyle m_style;
    MainState& m_state;
    std::array<PaneState, 2> m_panes;
    StatusLabels m_labels;
    Pane m_activePane = Pane::Source;
    Pane m_activeDrive = Pane::Source;
    std::vector<Volume> m_drives;
    // The last folder shown on each drive, which choosing the drive returns to.
    std::map<std::string, std::string> m_folderOnDrive;
    std::string m_copiedFile;
    Listener m_listener;
};

} // namespace tidecopy
