#pragma once

#include "engine/RunHost.h"

namespace tidecopy {

class RunMailbox;

// Whether a run waits where the product pauses for the animation (the window), or goes
// straight on (tests).
enum class RunPauses { Real, Skipped };

// The run's host on its worker thread: hands every call to the window's host through
// the mailbox. Display calls are posted and return at once; the countdown, closing the
// program and a sound played to its end wait for the window.
class QueuedRunHost : public RunHost {
public:
    QueuedRunHost(RunMailbox& mailbox, RunHost& window, RunPauses pauses);

    void setBusyPointer(bool busy) override;
    void setControlEnabled(HostControl control, bool enabled) override;
    void setAnimationRunning(bool running) override;
    void setViewCaption(const std::string& text) override;
    void setProgressText(const std::string& text) override;
    void setProgressScale(long long scaleWidth) override;
    void setProgressValue(long long value) override;
    void progressChanged(int percent, std::chrono::seconds remaining) override;
    void scrollLogToEnd() override;
    void refreshPane(RunPane pane) override;
    void setFreeSpaceText(const std::string& text) override;
    void updateTotalFileCounts() override;
    void playSound(const std::string& fileName, SoundWait wait) override;
    // The window's events run on their own thread.
    void processEvents() override {}
    void pause(std::chrono::milliseconds duration) override;
    bool countdownStopped() override;
    void closeProgram() override;

private:
    RunMailbox& m_mailbox;
    RunHost& m_window;
    RunPauses m_pauses;
};

} // namespace tidecopy
