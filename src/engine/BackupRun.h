#pragma once

#include "engine/AfterBackupActions.h"
#include "engine/RunContext.h"
#include "engine/RunReport.h"
#include "engine/RunTimeTexts.h"

#include <cstddef>

namespace tidecopy {

// How a run ended, for front ends that report it (the command line's exit status).
enum class RunEnding {
    Refused,  // a pre-run check or the confirmation ended it before it started
    Declined, // "No" to the destination-folder question
    Cancelled,
    Finished,
};

struct RunOutcome {
    RunEnding ending = RunEnding::Refused;
    RunCounts counts;
    // Files that failed, unreadable source folders and a failed flush of the destination.
    std::size_t failedFiles = 0;
    std::size_t integrityFailures = 0; // files that failed the integrity check
};

// One backup or preview from the button press to the report and the after-backup
// actions. Synchronous: the window calls it on a worker thread, the command line on its
// main thread. Everything it does to the front end goes through the context's host and
// prompts; the log is appended directly.
class BackupRun {
public:
    explicit BackupRun(RunContext& context, PowerActions powerActions = PowerActions::Allowed);

    RunOutcome BackUpEngine(RunKind kind);

private:
    struct Progress;
    void prepare(RunKind kind, Progress& progress);
    void copyFiles(RunKind kind, Progress& progress, RunOutcome& outcome);
    void report(RunKind kind, Progress& progress, RunOutcome& outcome);
    void finish(RunKind kind, RunOutcome& outcome);
    bool confirmDestinationFolder(Progress& progress);
    void showProgress(RunKind kind, std::size_t i, Progress& progress);
    void append(std::string_view text);
    // The detailed log's two lines for one selected file.
    void appendFromTo(const std::string& s, const std::string& TargetFile);
    void playSound(const char* fileName, SoundWait wait);
    std::string nowText() const;

    RunContext& m_context;
    PowerActions m_powerActions;
};

} // namespace tidecopy
