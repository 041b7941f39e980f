#pragma once

#include "app/SoundPlayer.h"
#include "app/WindowRunHost.h"
#include "config/HistoryCommands.h"
#include "config/MainState.h"
#include "config/OptionSet.h"
#include "config/SettingsContext.h"
#include "config/SettingsView.h"
#include "engine/RunFlags.h"
#include "log/ActivityLog.h"
#include "panes/DisplayFormats.h"
#include "platform/Platform.h"
#include "update/WebServices.h"

#include <QWidget>
#include <array>
#include <memory>

class QTimer;

namespace tidecopy {

class CopyOptionsGroup;
class HistoryActions;
class JobRunner;
class LogPanel;
class PaneStatusLabels;
class PaneWidget;
class Panes;
class Prompts;
class RunActions;
class RunArea;
class UpdateChecker;
struct PaneChange;

// What the window brings to the platform's services: its prompts, the system's display
// formats, whether a run waits where the product pauses (tests do not), and the web.
struct FrontEnd {
    Prompts& prompts;
    DisplayFormats formats;
    RunPauses pauses;
    WebServices web;
};

// The main window (Form1): it owns the window-wide state (option set, main state,
// activity log, panes, run flags) and the command handlers of each part, lays out the
// parts and wires them, runs start-up and shut-down, and is the settings loader's view
// of the window. The commands themselves are the handlers'.
class MainWindow : public QWidget, public SettingsView {
    Q_OBJECT
public:
    // Both panes start on initialFolder until the settings move them.
    MainWindow(Platform& platform, FrontEnd frontEnd, const std::string& initialFolder,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: settings loaded, labels filled, window shown and drawn; then the
    // automation's backup starts when chkExecute is on, else the update check.
    void Form_Load();

    bool runInProgress() const;
    OptionSet& options() { return m_options; }
    MainState& state() { return m_state; }
    ActivityLog& log() { return m_log; }
    Panes& panes() { return *m_panes; }
    StartUpPhase startUpPhase() const { return m_startUp; }
    HistoryActions& historyActions() { return *m_history; }
    // Shows the main state again: the copy options and both histories.
    void showState();

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
    void buildParts();
    void layOutParts();
    void wireParts();
    void showHistories();
    void onPaneChange(const PaneChange& change);
    void rememberWindowPosition();
    void tickClock();
    PaneWidget* paneWidget(Pane pane) const { return m_paneWidgets[indexOf(pane)]; }

    Platform& m_platform;
    FrontEnd m_frontEnd;
    OptionSet m_options;
    MainState m_state;
    ActivityLog m_log;
    std::unique_ptr<Panes> m_panes;
    SettingsContext m_context;
    StartUpPhase m_startUp = StartUpPhase::Loading;
    bool m_closed = false;
    RunFlags m_flags;
    SoundPlayer m_sound;

    // The job runner goes first of all: its worker may still be waiting for the window.
    JobRunner* m_jobs = nullptr;
    RunActions* m_runs = nullptr;
    HistoryActions* m_history = nullptr;
    UpdateChecker* m_updates = nullptr;
    std::array<PaneWidget*, 2> m_paneWidgets{};
    CopyOptionsGroup* m_copyOptions = nullptr;
    RunArea* m_runArea = nullptr;
    LogPanel* m_logPanel = nullptr;
    PaneStatusLabels* m_status = nullptr;
    QTimer* m_clock = nullptr;
};

} // namespace tidecopy
