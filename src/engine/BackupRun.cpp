#include "engine/BackupRun.h"

#include "config/FolderHistory.h"
#include "engine/CopyDecision.h"
#include "engine/DestinationPath.h"
#include "engine/FileCopier.h"
#include "engine/FolderCreation.h"
#include "engine/FolderWalk.h"
#include "engine/IntegrityCheck.h"
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

constexpr std::chrono::seconds pauseAfterListing{1};

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
    std::string pattern;
    FileList list;
    std::optional<CopyDecision> decision;
    std::optional<FileCopier> copier;
    std::chrono::steady_clock::time_point start;
    bool detailedLog = false;
    bool folderQuestionAsked = false;
    bool declined = false;
    std::size_t selected = 0;
    std::size_t readErrors = 0;
    std::vector<CopiedFile> copied;
    // The progress text hangs on the percentage and the time remaining only, which change
    // far less often than files pass; it is written anew only when they do.
    std::string progressText;
    int shownPercentage = -1;
    std::chrono::seconds shownRemaining{-1};
};

BackupRun::BackupRun(RunContext& context, PowerActions powerActions)
    : m_context(context)
    , m_powerActions(powerActions) {}

void BackupRun::append(std::string_view text) {
    m_context.log.append(text);
}

void BackupRun::appendFromTo(const std::string& s, const std::string& TargetFile) {
    constexpr std::string_view from = "From-> ";
    constexpr std::string_view to = "\r\nTo-> ";
    constexpr std::string_view lineEnd = "\r\n";
    std::string text;
    text.reserve(from.size() + s.size() + to.size() + TargetFile.size() + lineEnd.size());
    text.append(from).append(s).append(to).append(TargetFile).append(lineEnd);
    append(text);
}

void BackupRun::playSound(const char* fileName, SoundWait wait) {
    if (m_context.options.chkNoSoundEffect == 0 && !m_context.flags.PreviewMode)
        m_context.host.playSound(fileName, wait);
}

std::string BackupRun::nowText() const {
    return generalDateTimeText(m_context.clock.localNow());
}

RunOutcome BackupRun::BackUpEngine(RunKind kind) {
    RunContext& c = m_context;
    c.flags.PreviewMode = kind == RunKind::Preview;
    if (!passesPreRunChecks(kind, c.state, c.options, c.environment.windowsFolder, c.style,
                            c.prompts))
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
    c.host.setBusyPointer(true);
    c.flags.CountdownCancelled = false;
    c.host.processEvents();

    progress.paths.emplace(
        c.style, DestinationPathInputs{c.state.Dir1, c.state.Dir2, c.state.chkSubFolders.checked,
                                       c.state.chkRelative.checked, c.state.chkOnlySubs.checked});
    c.flags.CancelRequested = false;
    c.state.cmbPattern.text = filterTextForRun(c.state.cmbPattern.text);
    progress.pattern = runPatternOf(c.state.cmbPattern.text);

    c.host.setControlEnabled(HostControl::Cancel, true);
    c.host.setControlEnabled(HostControl::BackupAndPreview, false);
    c.host.setAnimationRunning(true);
    c.host.setProgressValue(0);
    c.host.setControlEnabled(HostControl::ProfileButtons, false);
    c.host.setControlEnabled(HostControl::Frames, false);
    progress.start = c.clock.steadyNow();

    // A preview always logs every file, within a bound of its own.
    progress.detailedLog = c.options.chkLogDetails != 0 || kind == RunKind::Preview;
    if (kind == RunKind::Preview) {
        c.log.setMaxLength(previewLogMaxLength);
        c.host.setViewCaption("Preparing Backup Preview\r\nPlease wait...");
        append("\r\n*** Preview BACKUP Started at " + nowText() + "\r\n");
    } else {
        c.host.setViewCaption("Preparing Backup\r\nPlease wait...");
        append("\r\n*** BACKUP Started at " + nowText() + "\r\n");
    }
    playSound("s1.wav", SoundWait::Synchronous);
    append(LogSettingsSummary(c.state, c.options));
    append("* Preparing backup...reading folders and files...Please wait...\r\n");
    c.host.setProgressText("Reading Folders and Files...Please wait...\r\n");
    c.host.scrollLogToEnd();

    FolderWalk walk(c.fs, c.style, RunControl{&c.flags.CancelRequested, [&c] {
                                                  c.host.processEvents();
                                              }});
    const std::string& strSource = progress.paths->strSource();
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
    c.host.processEvents();
    c.host.pause(pauseAfterListing);
}

// Asked once, on the first file, when the destination folder exists already.
bool BackupRun::confirmDestinationFolder(Progress& progress) {
    RunContext& c = m_context;
    if (progress.folderQuestionAsked || c.options.chkFolderExist == 0)
        return true;
    progress.folderQuestionAsked = true;
    const std::optional<std::string> folder = progress.paths->destinationFolderToConfirm();
    if (!folder || !FileOrDirExists(c.fs, c.style, *folder))
        return true;
    const PromptAnswer answer = c.prompts.message(
        "Target Folder Exists",
        "Destination folder " + *folder + " already exists.\r\n\r\nDo you want to continue?",
        PromptButtons::YesNo, PromptIcon::Question);
    return answer == PromptAnswer::Yes;
}

// The decision and the copy, file by file.
void BackupRun::copyFiles(RunKind kind, Progress& progress, RunOutcome& outcome) {
    RunContext& c = m_context;
    c.flags.CancelRequested = false;
    const std::size_t count = progress.list.Count;
    if (count > 1)
        append("* Copying files at " + nowText() +
               (progress.detailedLog ? "\r\n" : "... Please wait...\r\n"));

    const RunControl control{&c.flags.CancelRequested, [&c] {
                                 c.host.processEvents();
                             }};
    progress.decision.emplace(
        c.fs, c.style,
        CopyDecisionOptions{c.state.optSelectiveCopy(), c.state.chkOnlyNewFiles.checked,
                            c.state.chkChangedFiles.checked, c.options.DateCondition,
                            c.options.chkSizeFiles != 0, std::nullopt});
    const bool preserve = c.state.chkPreserveFiles.enabled && c.state.chkPreserveFiles.checked;
    progress.copier.emplace(
        c.fs, c.style,
        CopyOptions{c.state.chkSubFolders.checked, preserve, c.options.PreserveNaming,
                    c.options.PreserveExtension, progress.paths->strTarget()},
        [this](std::string_view text) { append(text); }, control);

    if (kind == RunKind::Backup && c.state.chkSubFolders.checked && c.options.chkEmptyFolders != 0)
        MakeAllFolders(
            c.fs, c.style, progress.paths->strSource(),
            [&progress](std::string_view path) { return progress.paths->TargetFile(path); },
            [&progress](const std::string& folder) { progress.copier->prepareFolder(folder); });
    c.host.setProgressScale(static_cast<long long>(count) + 1);

    const bool verifyLater = kind == RunKind::Backup && c.options.chkIntegrity != 0;
    for (std::size_t i = 1; i <= count && !c.flags.CancelRequested; ++i) {
        const std::string& s = progress.list.Items[i - 1];
        const std::string TargetFile = progress.paths->TargetFile(s);
        c.host.setProgressValue(static_cast<long long>(i));
        if (i == 1 && !confirmDestinationFolder(progress)) {
            progress.selected = 0;
            progress.declined = true;
            append("Target folder exists. User canceled backup.\r\n");
            break;
        }
        showProgress(kind, i, progress);
        if (kind == RunKind::Backup)
            progress.copier->removeLeftoversBeside(TargetFile);

        if (progress.decision->shouldCopy(s, TargetFile)) {
            if (progress.detailedLog)
                appendFromTo(s, TargetFile);
            ++progress.selected;
            if (kind == RunKind::Backup) {
                const CopyOutcome copied = progress.copier->GoAndCopyTheFile(s, TargetFile);
                if (copied == CopyOutcome::Failed)
                    ++outcome.failedFiles;
                else if (copied == CopyOutcome::Copied && verifyLater)
                    progress.copied.push_back({s, TargetFile});
            }
        }
        if (i == 1) {
            c.host.refreshPane(RunPane::Dir2);
            c.host.setAnimationRunning(false);
        }
        c.host.scrollLogToEnd();
        c.host.processEvents();
    }
}

// The progress text, and the percentage with the time remaining.
void BackupRun::showProgress(RunKind kind, std::size_t i, Progress& progress) {
    RunContext& c = m_context;
    const std::size_t count = progress.list.Count;
    const auto elapsed = c.clock.steadyNow() - progress.start;
    const int percentage = progressPercentage(i, count);
    const std::chrono::seconds remaining = estimatedTimeRemaining(i, count, elapsed);
    if (percentage != progress.shownPercentage || remaining != progress.shownRemaining) {
        progress.progressText = progressText(kind, percentage, remaining);
        progress.shownPercentage = percentage;
        progress.shownRemaining = remaining;
    }
    c.host.setProgressText(progress.progressText);
    c.host.progressChanged(percentage, remaining);
}

// Reporting: summary, integrity check, time, refreshed panes.
void BackupRun::report(RunKind kind, Progress& progress, RunOutcome& outcome) {
    RunContext& c = m_context;
    const bool cancelled = c.flags.CancelRequested;
    c.host.setAnimationRunning(false);
    // What a run reports as done must be on the disk, not only in the cache.
    bool onDisk = true;
    if (kind == RunKind::Backup && progress.selected > 0) {
        const std::string& destination = progress.paths->strTarget();
        if (const std::error_code error = c.fs.flushVolume(destination)) {
            append(flushFailureText(c.volumes, destination, error));
            ++outcome.failedFiles;
            onDisk = false;
        }
    }
    c.host.setFreeSpaceText(GetFreeSpace(c.volumes, c.style, progress.paths->strTarget()));

    outcome.counts = {progress.list.Count, progress.selected, progress.decision->ExistingCount(),
                      progress.copier->PreservedCount()};
    outcome.failedFiles += progress.readErrors;
    const std::string RunSummary = runSummaryText(kind, cancelled, outcome.counts);
    if (cancelled)
        playSound("s3.wav", SoundWait::Asynchronous);
    else
        c.host.setProgressValue(static_cast<long long>(progress.list.Count) + 1);
    append(RunSummary + "\r\n");
    append(upToDateText(outcome.counts));

    if (progress.selected >= 1) {
        // After a failed flush the cache may still hold what the disk lost: nothing is
        // reported as verified.
        if (!cancelled && kind == RunKind::Backup && c.options.chkIntegrity != 0 && onDisk) {
            c.host.setViewCaption("Checking files for integrity...");
            c.host.setAnimationRunning(true);
            append("Integrity check of backup files...\r\n");
            const IntegrityResult checked = checkIntegrity(
                c.fs, c.style, progress.copied, [this](std::string_view text) { append(text); },
                RunControl{&c.flags.CancelRequested, [&c] {
                               c.host.processEvents();
                           }});
            outcome.integrityFailures = checked.failed;
            c.host.setAnimationRunning(false);
        }
        append(timeTakenText(kind, c.clock.steadyNow() - progress.start));
    }
    append("\r\n");

    c.host.setProgressText(RunSummary);
    for (RunPane pane : {RunPane::Dir2, RunPane::Dir1, RunPane::File1, RunPane::File2})
        c.host.refreshPane(pane);
    c.host.updateTotalFileCounts();

    if (progress.declined)
        outcome.ending = RunEnding::Declined;
    else if (c.flags.CancelRequested)
        outcome.ending = RunEnding::Cancelled;
    else
        outcome.ending = RunEnding::Finished;
}

// Ending: controls back, preview limits restored, the after-backup actions.
void BackupRun::finish(RunKind kind, RunOutcome& outcome) {
    RunContext& c = m_context;
    c.host.setBusyPointer(false);
    c.host.setControlEnabled(HostControl::ProfileButtons, true);
    c.host.setControlEnabled(HostControl::Frames, true);
    c.host.processEvents();
    if (kind == RunKind::Preview)
        c.log.setMaxLength(logMaxLengthFor(c.options.LogLimit));

    const bool problems = outcome.ending == RunEnding::Cancelled || outcome.counts.selected < 1;
    if (problems) {
        if (c.options.chkCloseProg != 0 || c.options.ShutdownMode != 0)
            append(afterActionsSkippedText);
    } else if (kind == RunKind::Backup) {
        // A preview changes nothing: no history entry, no closing, no shutdown.
        AddToHistory(c.state);
        c.host.setControlEnabled(HostControl::Cancel, false);
        playSound("s2.wav", SoundWait::Synchronous);
        AfterBackupContext after{c.options,
                                 c.flags,
                                 c.host,
                                 c.power,
                                 [this](std::string_view text) { append(text); },
                                 [&c] {
                                     SaveDailyLog(c.fs, c.style, c.clock,
                                                  c.environment.logsFolder(), c.options.chkLog != 0,
                                                  c.log.text());
                                 },
                                 m_powerActions};
        runAfterBackupActions(after);
    }
    c.host.scrollLogToEnd();
    c.host.setControlEnabled(HostControl::BackupAndPreview, true);
}

} // namespace tidecopy
