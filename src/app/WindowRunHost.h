#pragma once

#include "engine/RunHost.h"

#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace tidecopy {

class PaneStatusLabels;
class Panes;
class RunArea;
class SoundPlayer;

// The parts of the main window a run shows itself in.
struct RunDisplayParts {
    QWidget& window; // its busy pointer; the owner of the countdown
    RunArea& runArea;
    std::vector<QAction*> startCommands; // backup and preview
    QAction* cancel;
    std::vector<QAction*> profileCommands;
    std::vector<QWidget*> jobControls; // the panes and the copy options
    Panes& panes;
    PaneStatusLabels& status;
    SoundPlayer& sound;
};

// The run's host on the window's thread: what each call of a run does to the main
// window, which follows each phase as the core's display of it says. The worker's side
// (QueuedRunHost) brings the calls here and does the waiting.
class WindowRunHost : public RunHost {
public:
    WindowRunHost(RunDisplayParts parts, std::function<void()> closeProgram)
        : m_parts(std::move(parts))
        , m_closeProgram(std::move(closeProgram)) {}

    void phaseChanged(RunPhase phase, RunKind kind) override;
    void progressChanged(const RunProgress& progress) override;
    void paneChanged(Pane pane) override;
    void reported(const RunReport& report) override;
    void playSound(const std::string& fileName, SoundWait wait) override;
    bool countdownStopped() override;
    void closeProgram() override { m_closeProgram(); }

    // cmdCancel: Backup and Preview come back at once and the animation stops.
    void cancelPressed();

private:
    RunDisplayParts m_parts;
    std::function<void()> m_closeProgram;
    RunPhase m_phase = RunPhase::Done;
};

} // namespace tidecopy
