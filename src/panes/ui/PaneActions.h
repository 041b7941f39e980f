#pragma once

#include "config/Pane.h"
#include "platform/UserFolders.h"

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tidecopy {

class Panes;

// The commands of the panes: the ten preset folder buttons and the file, folder and
// drive menus (mnuFileOption, mnuFolderOption, mnuDriveOption), which act on the pane and
// drive made active when they were opened. The file, folder and drive commands come with
// their own issues: present and disabled.
class PaneActions : public QObject {
    Q_OBJECT
public:
    PaneActions(Panes& panes, UserFolderLookup userFolders, QWidget* parent);

    // The five presets of a pane: Desktop, My Documents, My Pictures, My Music, My Videos.
    std::array<QAction*, 5> presets(Pane pane) const;
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* folderMenu() const { return m_folderMenu; }
    QMenu* driveMenu() const { return m_driveMenu; }

    void popUpFileMenu(const QPoint& at);
    // Paste (27) is shown only while a file is marked by the file menu's Copy.
    void popUpFolderMenu(const QPoint& at);
    void popUpDriveMenu(const QPoint& at);

private:
    void choosePreset(int index);

    Panes& m_panes;
    UserFolderLookup m_userFolders;
    std::array<QAction*, 10> m_presets{};
    QAction* m_folderPaste = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_folderMenu = nullptr;
    QMenu* m_driveMenu = nullptr;
};

} // namespace tidecopy
