#pragma once

#include "engine/AfterBackupActions.h"
#include "engine/RunContext.h"
#include "engine/RunOutcome.h"
#include "engine/RunTimeTexts.h"

#include <cstddef>

namespace tidecopy {

enum class CopyOutcome;
enum class CopiesRead;
struct CopiedFile;
struct FileStep;
class FileCopier;
struct RunControl;

// One backup or preview from the button press to the report and the after-backup
// actions. Synchronous: the window calls it on a worker thread, the command line on its
// main thread. Everything it does to the front end goes through the context's host and
// prompts; the log is appended directly. It works on the context's state and options and
// hands back what it changed in them with its outcome.
class BackupRun {
public:
    explicit BackupRun(RunContext& context, PowerActions powerActions = PowerActions::Allowed);

    RunOutcome BackUpEngine(RunKind kind);

private:
    RunOutcome run(RunKind kind);

    struct Progress;
    void prepare(RunKind kind, Progress& progress);
    void listFiles(Progress& progress);
    void copyFiles(RunKind kind, Progress& progress, RunOutcome& outcome);
    void reportFile(RunKind kind, std::size_t i, FileStep& file, FileCopier& copier,
                    Progress& progress);
    static void countCopy(CopyOutcome copy, CopiedFile file, bool verifyLater, Progress& progress);
    void report(RunKind kind, Progress& progress, RunOutcome& outcome);
    void checkIntegrityOfCopies(RunKind kind, Progress& progress, RunOutcome& outcome);
    void updateChecksumList(RunKind kind, Progress& progress, RunOutcome& outcome,
                            CopiesRead copiesRead);
    void finish(RunKind kind, RunOutcome& outcome);
    bool confirmDestinationFolder(Progress& progress);
    void showProgress(RunKind kind, std::size_t i, const std::string& file, Progress& progress);
    void showCopyProgress(RunKind kind, std::uint64_t bytesDone, std::uint64_t fileBytes,
                          Progress& progress);
    void append(std::string_view text);
    // The detailed log's two lines for one selected file.
    void appendFromTo(const std::string& source, const std::string& target);
    void playSound(const char* fileName, SoundWait wait);
    // Between steps: each folder read, each file, each chunk of a large one.
    void step();
    // The run's Cancel and its steps, for the parts that take long.
    RunControl control();
    std::string nowText() const;

    RunContext& m_context;
    PowerActions m_powerActions;
};

} // namespace tidecopy
