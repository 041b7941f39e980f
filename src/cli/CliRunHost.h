#pragma once

#include "engine/RunHost.h"

#include <iosfwd>

namespace tidecopy::cli {

// The run's front end on a terminal: progress (percentage and time remaining) on one
// rewritten line of the error stream, and only when that stream is a terminal. There is
// no animation, no sound and no countdown; closing the program needs no action.
class CliRunHost : public RunHost {
public:
    CliRunHost(std::ostream& err, bool errorIsTerminal);

    // Clears the progress line so that other output starts on a clean line.
    void clearProgressLine();

    void setBusyPointer(bool) override {}
    void setControlEnabled(HostControl, bool) override {}
    void setAnimationRunning(bool) override {}
    void setViewCaption(const std::string&) override {}
    void setProgressText(const std::string&) override {}
    void setProgressScale(long long) override {}
    void setProgressValue(long long) override {}
    void progressChanged(int percent, std::chrono::seconds remaining) override;
    void scrollLogToEnd() override {}
    void refreshPane(RunPane) override {}
    void setFreeSpaceText(const std::string&) override {}
    void updateTotalFileCounts() override {}
    void playSound(const std::string&, SoundWait) override {}
    void processEvents() override {}
    void pause(std::chrono::milliseconds) override {}
    bool countdownStopped() override { return false; }
    void closeProgram() override {}

private:
    std::ostream& m_err;
    bool m_errorIsTerminal;
    bool m_progressShown = false;
};

} // namespace tidecopy::cli
