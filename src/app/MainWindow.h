#pragma once

#include "app/QueuedRunHost.h"
#include "config/HistoryCommands.h"
#include "config/MainState.h"
#include "config/OptionSet.h"
#include "config/SettingsContext.h"
#include "config/SettingsView.h"
#include "engine/RunFlags.h"
#include "engine/RunHost.h"
#include "engine/RunTimeTexts.h"
#include "log/ActivityLog.h"
#include "panes/DisplayFormats.h"
#include "panes/FolderChoice.h"

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QMenu;
class QTimer;

namespace tidecopy {

class Clock;
class CopyOptionsGroup;
class LogPanel;
class PaneWidget;
class Panes;
class Power;
class ProfileCommands;
class Prompts;
class RunArea;
class Shell;
class Sound;
class BackupJob;
class JobRunner;
class WindowRunHost;
struct PaneChange;

// What the main window reaches the system through; main() builds the real ones, tests
// fakes and temporary folders.
struct MainWindowServices {
    FileSystem& fs;
    Volumes& volumes;
    Shell& shell;
    Prompts& prompts;
    const Clock& clock;
    const Environment& environment;
    UserFolderLookup userFolders;
    DisplayFormats formats;
    Power& power;
    Sound& sound;
    RunPauses pauses = RunPauses::Real;
};

// The main window: both panes, the copy options, the run area and the log. It holds
// the window-wide state (option set, main state, activity log, panes, run flags), runs
// start-up and shut-down, backups on a worker thread and the profile commands, and is
// the settings loader's view of the window.
class MainWindow : public QWidget, public SettingsView {
    Q_OBJECT
public:
    // Both panes start on initialFolder until the settings move them.
    MainWindow(MainWindowServices services, const std::string& initialFolder,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: settings loaded, labels filled, window shown and drawn; then the
    // automation's backup starts when chkExecute is on.
    void Form_Load();

    // A backup or preview on the worker thread; ignored while one is going on.
    void startRun(RunKind kind);
    bool runInProgress() const;
    // Plays a sound file of the resource folder; nothing while PreviewMode is set.
    void PlaySoundFile(const std::string& fileName, SoundWait wait);

    OptionSet& options() { return m_options; }
    MainState& state() { return m_state; }
    ActivityLog& log() { return m_log; }
    Panes& panes() { return *m_panes; }
    StartUpPhase startUpPhase() const { return m_startUp; }
    QMenu* historyMenu() const { return m_historyMenu; }
    // Opens the history menu of a pane without showing it (Image9 click).
    void prepareHistoryMenu(Pane pane);
    // A preset button (0 to 9).
    void presetFolder(int index);
    // The history selection of a pane was chosen.
    void historyChosen(Pane pane);
    // After a successful backup: both pane folders join their histories.
    void AddToHistory();

    // SettingsView
    void setLogMaxLength(std::int32_t length) override;
    void unlockLog() override;
    TwipsSize screenSize() override;
    TwipsSize windowSize() override;
    void moveWindow(std::int32_t left, std::int32_t top) override;
    void setBackgroundColor(PaneControl control, std::int32_t color) override;
    std::error_code selectHistoryEntry(Pane pane, int position) override;
    std::error_code setFolder(Pane pane, const std::string& folder) override;
    void setDestinationDrive(const std::string& drive) override;

signals:
    // A run has ended and the window has taken its results back.
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class WindowRunHost;

    void cancelRun();
    void runEnded(const BackupJob& ended);
    void refreshPaneForRun(Pane pane);
    // The after-backup close: the run's changes are taken back first, so the settings
    // file holds them.
    void closeProgramFromRun();
    void openProfile();
    void saveProfile();
    void showLoadedSettings();
    void rememberWindowPosition();
    void buildWindow();
    void wireMenus();
    void onPaneChange(const PaneChange& change);
    void onHistoryMenu(int number);
    void showHistories();
    void openManual();
    void tickClock();
    PaneWidget* paneWidget(Pane pane) const { return m_paneWidgets[indexOf(pane)]; }

    MainWindowServices m_services;
    OptionSet m_options;
    MainState m_state;
    ActivityLog m_log;
    std::unique_ptr<Panes> m_panes;
    SettingsContext m_context;
    StartUpPhase m_startUp = StartUpPhase::Loading;
    Pane m_activeHistory = Pane::Source;
    bool m_closed = false;
    RunFlags m_flags;
    std::unique_ptr<WindowRunHost> m_runHost;
    JobRunner* m_jobs = nullptr;
    BackupJob* m_backup = nullptr; // the run going on
    std::unique_ptr<ProfileCommands> m_profiles;
    bool m_closeAfterRun = false;     // the window was closed during a run
    bool m_automationRunning = false; // the run was started by the automation at start-up
    bool m_closingFromRun = false;    // the run's after-backup actions close it
    bool m_refreshingForRun = false;  // a run's refresh leaves its progress shown

    std::array<PaneWidget*, 2> m_paneWidgets{};
    CopyOptionsGroup* m_copyOptions = nullptr;
    RunArea* m_runArea = nullptr;
    LogPanel* m_logPanel = nullptr;
    QLabel* m_lblDirSize = nullptr;
    QLabel* m_lblFreeSpace = nullptr;
    QLabel* m_lblFileInfo = nullptr;
    QTimer* m_timer1 = nullptr;
    QMenu* m_historyMenu = nullptr;
    QMenu* m_folderMenu = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_driveMenu = nullptr;
    QMenu* m_logMenu = nullptr;
    QMenu* m_optionsMenu = nullptr;
};

} // namespace tidecopy
