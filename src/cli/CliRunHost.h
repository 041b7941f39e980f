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

    void phaseChanged(RunPhase, RunKind) override {}
    void progressChanged(const RunProgress& progress) override;
    void paneChanged(Pane) override {}
    void reported(const RunReport&) override {}
    void playSound(const std::string&, SoundWait) override {}
    bool countdownStopped() override { return false; }
    void closeProgram() override {}

private:
    std::ostream& m_err;
    bool m_errorIsTerminal;
    bool m_progressShown = false;
};

} // namespace tidecopy::cli
