#pragma once

#include "engine/RunHost.h"

namespace tidecopy {

class JobMailbox;

// Whether a run waits where the product pauses for the animation (the window), or goes
// straight on (tests).
enum class RunPauses { Real, Skipped };

// The run's host on its worker thread: hands every call to the window's host through
// the mailbox. Display calls are posted and return at once, progress keeping only its
// latest value; the countdown, closing the program and a sound played to its end wait
// for the window. The second after the listing is waited here, before copying begins, so
// that the window's animation shows the run has started.
class QueuedRunHost : public RunHost {
public:
    QueuedRunHost(JobMailbox& mailbox, RunHost& window, RunPauses pauses);

    void phaseChanged(RunPhase phase, RunKind kind) override;
    void progressChanged(const RunProgress& progress) override;
    void paneChanged(Pane pane) override;
    void reported(const RunReport& report) override;
    void playSound(const std::string& fileName, SoundWait wait) override;
    bool countdownStopped() override;
    void closeProgram() override;

private:
    JobMailbox& m_mailbox;
    RunHost& m_window;
    RunPauses m_pauses;
};

} // namespace tidecopy
