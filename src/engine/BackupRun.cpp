#include "engine/BackupRun.h"

#include "config/FolderHistory.h"
#include "engine/ChecksumListUpdate.h"
#include "engine/CopyDecision.h"
#include "engine/CopyLanes.h"
#include "engine/DestinationPath.h"
#include "engine/FileCopier.h"
#include "engine/FolderCreation.h"
#include "engine/FolderWalk.h"
#include "engine/InOrderWorkers.h"
#include "engine/IntegrityCheck.h"
#include "engine/NestedDestination.h"
#include "engine/PreRunChecks.h"
#include "engine/RunPattern.h"
#include "engine/SettingsSummary.h"
#include "log/DailyLog.h"
#include "log/LogOptions.h"
#include "panes/FreeSpaceText.h"
#include "platform/Errors.h"
#include "platform/Existence.h"

#include <optional>

namespace tidecopy {

namespace {

// How far the workers may run ahead of the batch being reported.
constexpr std::size_t batchesAhead = 16;

// Names the volume by its mount point where one is known.
std::string flushFailureText(Volumes& volumes, const std::string& destination,
                             std::error_code error) {
    const std::vector<Volume> all = volumes.list();
    const Volume* volume = volumeHolding(all, destination);
    return "Flushing the destination volume " + (volume ? volume->mountPoint : destination) +
           " failed: " + describeError(error) + ". Copied files may not be on disk.\r\n";
}

} // namespace

// What one run carries from step to step.
struct BackupRun::Progress {
    std::optional<DestinationPath> paths;
    RunWorkers workers;
    std::optional<FolderWalk> walk;
    std::string pattern;
    FileList list;
    std::chrono::steady_clock::time_point start;
    bool detailedLog = false;
    bool folderQuestionAsked = false;
    bool declined = false;
    RunCounts counts;
    std::size_t readErrors = 0;
    std::vector<CopiedFile> copied;
    std::optional<ChecksumListUpdate> checksums; // a real run with the list on
    // The progress text hangs on the percentage and the time remaining only, which change
    // far less often than files pass; it is written anew only when they do.
    RunProgress shown;
    RunPace pace;
    std::chrono::steady_clock::time_point fileStart;
};

BackupRun::BackupRun(RunContext& context, PowerActions powerActions)
    : m_context(context)
    , m_powerActions(powerActions) {}

void BackupRun::append(std::string_view text) {
    m_context.log.append(text);
}

void BackupRun::appendFromTo(const std::string& source, const std::string& target) {
    constexpr std::string_view from = "From-> ";
    constexpr std::string_view to = "\r\nTo-> ";
    constexpr std::string_view lineEnd = "\r\n";
    std::string text;
    text.reserve(from.size() + source.size() + to.size() + target.size() + lineEnd.size());
    text.append(from).append(source).append(to).append(target).append(lineEnd);
    append(text);
}

void BackupRun::playSound(const char* fileName, SoundWait wait) {
    if (m_context.options.chkNoSoundEffect == 0 && !m_context.flags.PreviewMode)
        m_context.host.playSound(fileName, wait);
}

void BackupRun::step() {
    if (m_context.betweenSteps)
        m_context.betweenSteps();
}

std::string BackupRun::nowText() const {
    const Platform& platform = m_context.platform;
    return platform.formats.generalDate(platform.clock.localNow());
}

RunOutcome BackupRun::BackUpEngine(RunKind kind) {
    RunOutcome outcome = run(kind);
    outcome.changes = runChangesOf(m_context.state, m_context.options);
    return outcome;
}

RunOutcome BackupRun::run(RunKind kind) {
    RunContext& c = m_context;
    c.flags.PreviewMode = kind == RunKind::Preview;
    if (!passesPreRunChecks(kind, c.state, c.options, c.platform.environment.windowsFolder, c.style,
                            c.platform.fs, c.prompts))
        return {};

    Progress progress;
    RunOutcome outcome;
    prepare(kind, progress);
    copyFiles(kind, progress, outcome);
    report(kind, progress, outcome);
    finish(kind, outcome);
    return outcome;
}

// Preparing: controls, log header, settings, listing.
void BackupRun::prepare(RunKind kind, Progress& progress) {
    RunContext& c = m_context;
    c.flags.CountdownCancelled = false;
    step();

    progress.paths.emplace(
        c.style, DestinationPathInputs{c.state.Dir1, c.state.Dir2, c.state.chkSubFolders.checked,
                                       c.state.chkRelative.checked, c.state.chkOnlySubs.checked});
    // CancelRequested is not cleared here: each run starts with flags of its own, so a
    // cancel that arrives before the listing is a cancel all the same.
    c.state.cmbPattern.text = filterTextForRun(c.state.cmbPattern.text);
    progress.pattern = runPatternOf(c.state.cmbPattern.text);

    progress.start = c.platform.clock.steadyNow();
    c.host.phaseChanged(RunPhase::Preparing, kind);

    // A preview always logs every file, within a bound of its own.
    progress.detailedLog = c.options.chkLogDetails != 0 || kind == RunKind::Preview;
    if (kind == RunKind::Preview) {
        c.log.setMaxLength(previewLogMaxLength);
        append("\r\n*** Preview BACKUP Started at " + nowText() + "\r\n");
    } else {
        append("\r\n*** BACKUP Started at " + nowText() + "\r\n");
    }
    playSound("s1.wav", SoundWait::Synchronous);
    append(LogSettingsSummary(c.state, c.options));
    append("* Preparing backup...reading folders and files...Please wait...\r\n");
    c.host.phaseChanged(RunPhase::Reading, kind);
    progress.shown.text = "Reading Folders and Files...Please wait...\r\n";
    c.host.progressChanged(progress.shown);
    listFiles(progress);
    step();
}

// The source files to consider, the destination left out when it lies inside the source.
void BackupRun::listFiles(Progress& progress) {
    RunContext& c = m_context;
    progress.workers =
        c.workers ? *c.workers : runWorkersFor(c.platform.volumes, progress.paths->strTarget());
    FolderWalk& walk = progress.walk.emplace(c.platform.fs, c.style, control());
    walk.readAhead(progress.workers.threads);
    const std::string& strSource = progress.paths->strSource();
    if (c.state.chkSubFolders.checked) {
        if (const auto inside = destinationInsideSource(c.platform.fs, c.style, strSource,
                                                        progress.paths->strTarget())) {
            walk.leaveOut(*inside);
            append("Destination folder " + c.state.Dir2 +
                   " lies inside the source folder: it is left out of the backup.\r\n");
        }
    }
    std::vector<FolderError> readErrors;
    if (c.state.chkSubFolders.checked)
        readErrors = walk.ListFilesInTree(strSource, AttributeMask::Folders, AttributeMask::Files,
                                          progress.list, progress.pattern, NameForm::FullPath);
    else if (auto error = walk.ListFilesInFolder(strSource, AttributeMask::Files, progress.list,
                                                 progress.pattern, NameForm::FullPath))
        readErrors.push_back({strSource, error});
    // A source that cannot be read must not pass for one with nothing to copy.
    if (!c.flags.CancelRequested) {
        for (const FolderError& failed : readErrors)
            append("Folder '" + failed.folder + "' Error Occured: " + describeError(failed.error) +
                   "\r\n");
        progress.readErrors = readErrors.size();
    }
}

// Asked once, on the first file, when the destination folder exists already.
bool BackupRun::confirmDestinationFolder(Progress& progress) {
    RunContext& c = m_context;
    if (progress.folderQuestionAsked || c.options.chkFolderExist == 0)
        return true;
    progress.folderQuestionAsked = true;
    const std::optional<std::string> folder = progress.paths->destinationFolderToConfirm();
    if (!folder || !FileOrDirExists(c.platform.fs, c.style, *folder))
        return true;
    const PromptAnswer answer = c.prompts.message(
        "Target Folder Exists",
        "Destination folder " + *folder + " already exists.\r\n\r\nDo you want to continue?",
        PromptButtons::YesNo, PromptIcon::Question);
    return answer == PromptAnswer::Yes;
}

// The decision and the copy, file by file: the workers look at the files (and copy the
// small ones) ahead, and the run's own thread reports each file in list order.
void BackupRun::copyFiles(RunKind kind, Progress& progress, RunOutcome& outcome) {
    RunContext& c = m_context;
    // A cancel while the folders were read ends the run before its first file.
    if (c.flags.CancelRequested)
        return;
    c.host.phaseChanged(RunPhase::Copying, kind);
    const std::size_t count = progress.list.Count;
    if (count > 1)
        append("* Copying files at " + nowText() +
               (progress.detailedLog ? "\r\n" : "... Please wait...\r\n"));
    // Asked before anything is created in the destination, so the question is about what
    // was there before the run.
    if (count >= 1 && !confirmDestinationFolder(progress)) {
        progress.declined = true;
        append("Target folder exists. User canceled backup.\r\n");
        return;
    }

    const RunControl copyControl{&c.flags.CancelRequested, [this] { step(); },
                                 [this, kind, &progress](std::uint64_t done, std::uint64_t bytes) {
                                     showCopyProgress(kind, done, bytes, progress);
                                 }};
    const CopyDecision decision(
        c.platform.fs, c.style,
        CopyDecisionOptions{c.state.optSelectiveCopy(), c.state.chkOnlyNewFiles.checked,
                            c.state.chkChangedFiles.checked, c.options.DateCondition,
                            c.options.chkSizeFiles != 0, std::nullopt});
    const bool preserve = c.state.chkPreserveFiles.enabled && c.state.chkPreserveFiles.checked;
    FileCopier copier(
        c.platform.fs, c.style,
        CopyOptions{c.state.chkSubFolders.checked, preserve, c.options.PreserveNaming,
                    c.options.PreserveExtension, progress.paths->strTarget()},
        [this](std::string_view text) { append(text); }, copyControl);

    if (kind == RunKind::Backup && c.state.chkSubFolders.checked && c.options.chkEmptyFolders != 0)
        MakeAllFolders(
            c.platform.fs, c.style, *progress.walk, progress.paths->strSource(),
            [&progress](std::string_view path) { return progress.paths->TargetFile(path); },
            [&copier](const std::string& folder) { copier.prepareFolder(folder); });

    if (kind == RunKind::Backup && c.options.chkChecksumList != 0)
        progress.checksums.emplace(c.platform.fs, c.style, progress.paths->strTarget());

    CopyLanes lanes(decision, copier, *progress.paths, &c.flags.CancelRequested, progress.workers,
                    kind == RunKind::Backup);
    const std::vector<std::string>& files = progress.list.Items;
    // Each file is shown as the one under way while the run waits for it.
    if (count >= 1)
        showProgress(kind, 1, files.front(), progress);
    const std::vector<std::size_t> batches = fileBatches(files, c.style);
    forEachInOrder<std::vector<FileStep>>(
        batches.size() - 1, lanes.threads(),
        [&](std::size_t batch, unsigned lane) {
            return lanes.look(lane, std::span(files).subspan(batches[batch],
                                                             batches[batch + 1] - batches[batch]));
        },
        // After a cancel a worker may still finish a file taken just before a file that was
        // never started: every finished file is reported.
        [&](std::size_t batch, std::vector<FileStep>& steps) {
            for (std::size_t i = 0; i < steps.size(); ++i)
                if (steps[i].started)
                    reportFile(kind, batches[batch] + i + 1, steps[i], copier, progress);
            return true;
        },
        batchesAhead);
    progress.counts.existing = lanes.existingCount();
    progress.counts.preserved = lanes.preservedCount();
    outcome.failedFiles += progress.counts.failed;
}

// One file's lines, counts and checksum entry; a copy left to this thread is made here.
void BackupRun::reportFile(RunKind kind, std::size_t i, FileStep& file, FileCopier& copier,
                           Progress& progress) {
    RunContext& c = m_context;
    const std::string& s = progress.list.Items[i - 1];
    if (file.selected) {
        if (progress.detailedLog)
            appendFromTo(s, file.target);
        ++progress.counts.selected;
    }
    if (file.copyLater) {
        // A cancel before the file's turn leaves it uncopied, as a cancel during its copy.
        file.copy =
            c.flags.CancelRequested
                ? CopyOutcome::Cancelled
                : copier.GoAndCopyTheFile(s, file.target, file.source ? &*file.source : nullptr);
        file.preservedName = copier.lastPreservedName();
    } else if (!file.log.empty()) {
        append(file.log);
    }
    const bool verifyLater = kind == RunKind::Backup && c.options.chkIntegrity != 0;
    if (file.copy)
        countCopy(*file.copy, {s, file.target}, verifyLater, progress);
    if (progress.checksums) {
        if (file.copy == CopyOutcome::Copied)
            progress.checksums->copied(file.target, file.preservedName);
        else
            progress.checksums->notCopied(s, file.target);
    }
    if (i == 1)
        c.host.paneChanged(Pane::Destination);
    step();
    if (i < progress.list.Count && !c.flags.CancelRequested)
        showProgress(kind, i + 1, progress.list.Items[i], progress);
}

void BackupRun::countCopy(CopyOutcome copy, CopiedFile file, bool verifyLater, Progress& progress) {
    switch (copy) {
    case CopyOutcome::Copied:
        ++progress.counts.copied;
        if (verifyLater)
            progress.copied.push_back(std::move(file));
        break;
    case CopyOutcome::Failed:
        ++progress.counts.failed;
        break;
    case CopyOutcome::Cancelled:
        break; // neither copied nor failed: the summary reports the cancel
    }
}

// The file, the percentage with the time remaining, and the progress text.
void BackupRun::showProgress(RunKind kind, std::size_t i, const std::string& file,
                             Progress& progress) {
    progress.fileStart = m_context.platform.clock.steadyNow();
    progress.pace = {i, progress.list.Count, progress.fileStart - progress.start};
    progress.shown.advance(kind, progress.pace);
    progress.shown.currentFile = file;
    m_context.host.progressChanged(progress.shown);
}

// Within a large file: the time remaining counts down with its bytes.
void BackupRun::showCopyProgress(RunKind kind, std::uint64_t bytesDone, std::uint64_t fileBytes,
                                 Progress& progress) {
    RunPace& pace = progress.pace;
    pace.inFile = m_context.platform.clock.steadyNow() - progress.fileStart;
    pace.fileBytes = fileBytes;
    pace.fileBytesDone = bytesDone;
    if (progress.shown.advance(kind, pace))
        m_context.host.progressChanged(progress.shown);
}

// Reporting: summary, integrity check, time, refreshed panes.
void BackupRun::report(RunKind kind, Progress& progress, RunOutcome& outcome) {
    RunContext& c = m_context;
    const bool cancelled = c.flags.CancelRequested;
    const RunCounts& counts = progress.counts;
    c.host.phaseChanged(RunPhase::Reporting, kind);
    // What a run reports as done must be on the disk, not only in the cache.
    bool onDisk = true;
    if (kind == RunKind::Backup && counts.selected > 0) {
        const std::string& destination = progress.paths->strTarget();
        if (const std::error_code error = c.platform.fs.flushVolume(destination)) {
            append(flushFailureText(c.platform.volumes, destination, error));
            ++outcome.failedFiles;
            onDisk = false;
        }
    }
    outcome.destinationFreeSpace =
        GetFreeSpace(c.platform.volumes, c.style, progress.paths->strTarget());

    outcome.counts = counts;
    outcome.counts.listed = progress.list.Count;
    outcome.failedFiles += progress.readErrors;
    const std::string RunSummary = runSummaryText(kind, cancelled, outcome.counts);
    if (cancelled)
        playSound("s3.wav", SoundWait::Asynchronous);
    append(RunSummary + "\r\n");
    if (!cancelled)
        append(upToDateText(outcome.counts));

    // After a failed flush the cache may still hold what the disk lost: nothing is
    // reported as verified, and the checksum list is left as it was.
    const bool checkCopies = counts.selected >= 1 && !cancelled && kind == RunKind::Backup &&
                             c.options.chkIntegrity != 0 && onDisk;
    if (checkCopies)
        checkIntegrityOfCopies(kind, progress, outcome);
    if (progress.checksums && onDisk && !progress.declined)
        updateChecksumList(kind, progress, outcome,
                           checkCopies ? CopiesRead::ByIntegrityCheck : CopiesRead::NotYet);
    if (counts.selected >= 1)
        append(timeTakenText(kind, c.platform.clock.steadyNow() - progress.start));
    append("\r\n");

    progress.shown.complete = !cancelled;
    progress.shown.percent.reset();
    progress.shown.text = RunSummary;
    c.host.progressChanged(progress.shown);
    c.host.paneChanged(Pane::Destination);
    c.host.paneChanged(Pane::Source);

    if (progress.declined)
        outcome.ending = RunEnding::Declined;
    else if (c.flags.CancelRequested)
        outcome.ending = RunEnding::Cancelled;
    else
        outcome.ending = RunEnding::Finished;
    c.host.reported(outcome);
}

void BackupRun::checkIntegrityOfCopies(RunKind kind, Progress& progress, RunOutcome& outcome) {
    RunContext& c = m_context;
    c.host.phaseChanged(RunPhase::Verifying, kind);
    append("Integrity check of backup files...\r\n");
    // With the checksum list on, the same read of each copy gives its digest.
    CopyDigestSink digests;
    if (progress.checksums)
        digests = [&list = *progress.checksums](const CopiedFile& file,
                                                const Sha256Digest& digest) {
            list.readBack(file.target, digest);
        };
    const IntegrityResult checked = checkIntegrity(
        c.platform.fs, c.style, progress.copied, [this](std::string_view text) { append(text); },
        control(), digests);
    outcome.integrityFailures = checked.failed;
    c.host.phaseChanged(RunPhase::Reporting, kind);
}

void BackupRun::updateChecksumList(RunKind kind, Progress& progress, RunOutcome& outcome,
                                   CopiesRead copiesRead) {
    RunContext& c = m_context;
    c.host.phaseChanged(RunPhase::Listing, kind);
    const ChecksumListOutcome listed = progress.checksums->write(
        copiesRead, [this](std::string_view text) { append(text); }, control());
    outcome.failedFiles += listed.failed;
    c.host.phaseChanged(RunPhase::Reporting, kind);
}

RunControl BackupRun::control() {
    return RunControl{&m_context.flags.CancelRequested, [this] {
                          step();
                      }};
}

// Ending: controls back, preview limits restored, the after-backup actions.
void BackupRun::finish(RunKind kind, RunOutcome& outcome) {
    RunContext& c = m_context;
    c.host.phaseChanged(RunPhase::Restoring, kind);
    step();
    if (kind == RunKind::Preview)
        c.log.setMaxLength(logMaxLengthFor(c.options.LogLimit));

    const bool problems = outcome.ending == RunEnding::Cancelled || outcome.counts.selected < 1;
    if (problems) {
        if (c.options.chkCloseProg != 0 || c.options.ShutdownMode != 0)
            append(afterActionsSkippedText);
    } else if (kind == RunKind::Backup) {
        // A preview changes nothing: no history entry, no closing, no shutdown.
        AddToHistory(c.state, c.style);
        c.host.phaseChanged(RunPhase::AfterActions, kind);
        playSound("s2.wav", SoundWait::Synchronous);
        AfterBackupContext after{c.options,
                                 c.flags,
                                 c.host,
                                 c.platform.power,
                                 [this](std::string_view text) { append(text); },
                                 [&c] {
                                     SaveDailyLog(c.platform.fs, c.style, c.platform.clock,
                                                  c.platform.environment.logsFolder(),
                                                  c.options.chkLog != 0, c.log.text());
                                 },
                                 m_powerActions};
        runAfterBackupActions(after);
    }
    c.host.phaseChanged(RunPhase::Done, kind);
}

} // namespace tidecopy
