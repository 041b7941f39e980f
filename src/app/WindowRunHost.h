#pragma once

#include "engine/RunHost.h"

namespace tidecopy {

class MainWindow;

// The run's host on the window's thread: what each call of a run does to the main
// window. The worker's side (QueuedRunHost) brings the calls here and does the waiting.
class WindowRunHost : public RunHost {
public:
    explicit WindowRunHost(MainWindow& window)
        : m_window(window) {}

    void phaseChanged(RunPhase phase, RunKind kind) override;
    void progressChanged(const RunProgress& progress) override;
    void paneChanged(Pane pane) override;
    void reported(const RunReport& report) override;
    // Played to its end, a sound keeps the window's events running meanwhile.
    void playSound(const std::string& fileName, SoundWait wait) override;
    bool countdownStopped() override;
    void closeProgram() override;

private:
    MainWindow& m_window;
    RunPhase m_phase = RunPhase::Done;
};

} // namespace tidecopy
