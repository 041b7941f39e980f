#pragma once

#include "engine/RunHost.h"

#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace tidecopy {

class JobMailbox;
class PaneStatusLabels;
class Panes;
class RunArea;
class SoundPlayer;

// Whether a run waits where the product pauses for the animation (the window), or goes
// straight on (tests).
enum class RunPauses { Real, Skipped };

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

// The window's host of its runs. A run calls it on its worker thread; each call travels
// through the job runner's mailbox to the window's thread, where the window follows it
// as the core's display of each phase says. Display calls return at once, progress
// keeping only its latest value; the countdown, closing the program and a sound played
// to its end wait for the window. The second after the listing is waited here, before
// copying begins, so that the animation shows the run has started.
class WindowRunHost : public RunHost {
public:
    WindowRunHost(JobMailbox& mailbox, RunPauses pauses, RunDisplayParts parts,
                  std::function<void()> closeProgram);

    // On the worker's thread.
    void phaseChanged(RunPhase phase, RunKind kind) override;
    void progressChanged(const RunProgress& progress) override;
    void paneChanged(Pane pane) override;
    void reported(const RunReport& report) override;
    void playSound(const std::string& fileName, SoundWait wait) override;
    bool countdownStopped() override;
    void closeProgram() override;

    // On the window's thread. cmdCancel: Backup and Preview come back at once and the
    // animation stops.
    void cancelPressed();

private:
    void showPhase(RunPhase phase, RunKind kind);
    void showProgress(const RunProgress& progress);

    JobMailbox& m_mailbox;
    RunPauses m_pauses;
    RunDisplayParts m_parts;
    std::function<void()> m_closeProgram;
    RunPhase m_phase = RunPhase::Done; // the window's thread's
};

} // namespace tidecopy
