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

    void setBusyPointer(bool busy) override;
    void setControlEnabled(HostControl control, bool enabled) override;
    void setAnimationRunning(bool running) override;
    void setViewCaption(const std::string& text) override;
    void setProgressText(const std::string& text) override;
    void setProgressScale(long long scaleWidth) override;
    void setProgressValue(long long value) override;
    // The window shows the progress text, which carries the same figures.
    void progressChanged(int, std::chrono::seconds) override {}
    void scrollLogToEnd() override;
    void refreshPane(RunPane pane) override;
    void setFreeSpaceText(const std::string& text) override;
    void updateTotalFileCounts() override;
    // Played to its end, a sound keeps the window's events running meanwhile.
    void playSound(const std::string& fileName, SoundWait wait) override;
    // The window's own event loop runs; the worker does the pausing.
    void processEvents() override {}
    void pause(std::chrono::milliseconds) override {}
    bool countdownStopped() override;
    void closeProgram() override;

private:
    MainWindow& m_window;
};

} // namespace tidecopy
