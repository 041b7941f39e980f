#pragma once

#include "config/Pane.h"
#include "config/SettingsView.h"

#include <QGroupBox>
#include <array>

class QComboBox;
class QLabel;
class QListView;
class QModelIndex;

namespace tidecopy {

class ClickableImage;
class DriveList;
class FileListModel;
class FileListView;
class FolderListModel;
class PaneActions;
class Panes;
class OwnerDrawnButton;
struct HistoryCombo;
struct MainState;

// One file-manager pane (frmSource for the source pane, frmTarget for the destination):
// its history list and preset buttons, drive, folder and file lists, its own labels and
// menu icons. It passes the lists' events to the core panes and redraws what they report
// changed; its buttons and menus show the pane commands; the history commands are the
// window's.
class PaneWidget : public QGroupBox {
    Q_OBJECT
public:
    PaneWidget(Pane pane, Panes& panes, MainState& state, PaneActions& actions,
               QWidget* parent = nullptr);

    Pane pane() const { return m_pane; }
    // Redraws what a change of the core pane names (PaneUpdate bits).
    void apply(unsigned what);
    // Shows the history list of the main state again.
    void showHistory();
    // The background colour of one of its lists (history, drive, folder or file list).
    void setBackground(PaneControl control, const QColor& color);

signals:
    void historyChosen(Pane pane);
    void historyMenuWanted(Pane pane, const QPoint& at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(PaneActions& actions);
    QLayout* buildLayout();
    void showDrives();
    void showLists();
    void showSelectedFile();
    HistoryCombo& historyState() const;

    Pane m_pane;
    Panes& m_panes;
    MainState& m_state;
    PaneActions& m_actions;
    bool m_updating = false;

    QComboBox* m_history = nullptr;
    ClickableImage* m_historyIcon = nullptr;
    std::array<OwnerDrawnButton*, 5> m_presets{};
    DriveList* m_drive = nullptr;
    ClickableImage* m_driveIcon = nullptr;
    QListView* m_folders = nullptr;
    ClickableImage* m_folderIcon = nullptr;
    FileListView* m_files = nullptr;
    ClickableImage* m_fileIcon = nullptr;
    QLabel* m_folderName = nullptr;
    QLabel* m_totalFiles = nullptr;
    FolderListModel* m_folderModel = nullptr;
    FileListModel* m_fileModel = nullptr;
};

} // namespace tidecopy
