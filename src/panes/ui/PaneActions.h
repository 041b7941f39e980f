#pragma once

#include "config/Pane.h"
#include "panes/FileCommands.h"
#include "widgets/jobs/JobLock.h"

#include <QObject>
#include <array>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tidecopy {

class JobRunner;
class Panes;
class Prompts;
struct OptionSet;
struct Platform;

// What the pane commands work with: the panes, the system, the window's prompts, the
// option set (chkLogUser) and the window's job runner, on which every command that
// changes files runs.
struct PaneCommandParts {
    Panes& panes;
    Platform& platform;
    Prompts& prompts;
    const OptionSet& options;
    JobRunner& jobs;
};

// The commands of the panes: the ten preset folder buttons, the file, folder and drive
// menus (mnuFileOption, mnuFolderOption, mnuDriveOption), which act on the pane and drive
// made active when they were opened, and the files dropped on a file list. Copies,
// renames and deletions run as jobs, one at a time; the window stays locked meanwhile.
// The folder and drive commands come with their own issues: present and disabled.
class PaneActions : public QObject {
    Q_OBJECT
public:
    PaneActions(PaneCommandParts parts, QWidget* parent);

    // What the window locks while a job of the panes runs, once its parts exist.
    void lockWhileJobsRun(JobLock lock) { m_lock = std::move(lock); }

    // The five presets of a pane: Desktop, My Documents, My Pictures, My Music, My Videos.
    std::array<QAction*, 5> presets(Pane pane) const;
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* folderMenu() const { return m_folderMenu; }
    QMenu* driveMenu() const { return m_driveMenu; }

    // The file menu's items are enabled for the active pane's selection as it opens.
    void popUpFileMenu(const QPoint& at);
    // Paste (27) is shown only while a file is marked by the file menu's Copy.
    void popUpFolderMenu(const QPoint& at);
    void popUpDriveMenu(const QPoint& at);

    // The Delete key in a pane's file list: that pane's selected file.
    void deleteKeyPressed(Pane pane);
    void filesDropped(Pane pane, const std::vector<std::string>& paths);

private:
    void choosePreset(int index);
    void enableFileMenu();
    void runFileCommand(int item);
    void perform(FileCommandStep step);

    PaneCommandParts m_parts;
    FileCommands m_fileCommands;
    JobLock m_lock;
    std::array<QAction*, 10> m_presets{};
    QAction* m_folderPaste = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_folderMenu = nullptr;
    QMenu* m_driveMenu = nullptr;
};

} // namespace tidecopy
