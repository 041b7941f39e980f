#pragma once

#include "config/Pane.h"
#include "engine/RunPhase.h"
#include "engine/RunReport.h"
#include "engine/RunTimeTexts.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace tidecopy {

enum class SoundWait { Synchronous, Asynchronous };

// Where a run is in its files, and the progress line that says it.
struct RunProgress {
    std::size_t filesListed = 0;
    std::size_t fileNumber = 0;        // the file being handled, from 1; 0 before the first
    bool complete = false;             // the run has reported: every step is done
    std::string currentFile;           // the source path of that file
    std::optional<int> percent;        // while copying, 1 to 100
    std::chrono::seconds remaining{0}; // while copying, the estimate
    std::string text;                  // the progress line, as the window shows it

    // The preparation's animation goes on until the first file has been handled.
    bool pastFirstFile() const { return complete || fileNumber > 1; }

    // At that pace: the numbers always, the text only when the percentage or the time
    // remaining changed, which happens far less often than files pass; true then.
    bool advance(RunKind kind, const RunPace& pace);
};

// What a backup run tells its front end, which decides what each call shows: the window
// marshals the calls to its own thread and follows them with its widgets, the command
// line prints the progress, tests record the calls. Questions go through Prompts, log
// text through the RunLog. Every call comes from the thread running the backup.
class RunHost {
public:
    virtual ~RunHost() = default;

    virtual void phaseChanged(RunPhase phase, RunKind kind) = 0;
    virtual void progressChanged(const RunProgress& progress) = 0;
    // The run has changed what the pane's folder holds: the destination after the first
    // file, both panes at the end.
    virtual void paneChanged(Pane pane) = 0;
    virtual void reported(const RunReport& report) = 0;
    // fileName is one of "s0.wav".."s3.wav" in the resource folder.
    virtual void playSound(const std::string& fileName, SoundWait wait) = 0;
    // Shows the countdown before an after-backup action; true when the user stopped it.
    virtual bool countdownStopped() = 0;
    // Ends the program with its closing steps (settings written, daily log saved).
    virtual void closeProgram() = 0;
};

} // namespace tidecopy
