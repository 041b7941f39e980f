#include "engine/BackupVerification.h"

#include "engine/ChecksumList.h"
#include "engine/FolderWalk.h"
#include "engine/InOrderWorkers.h"
#include "engine/RunReport.h"
#include "engine/RunWorkers.h"
#include "platform/Errors.h"

#include <algorithm>
#include <thread>

namespace tidecopy {

namespace {

constexpr unsigned fewReaders = 4;

enum class FileState { Intact, Changed, RotOrTampering, Missing, Unreadable, Cancelled };

struct FileCheck {
    FileState state = FileState::Cancelled;
    std::error_code error;
};

// One verify of one destination folder.
class Verification {
public:
    Verification(VerifyContext& context, const std::string& folder)
        : m_c(context)
        , m_folder(context.style.withTrailingSeparator(folder))
        , m_start(context.platform.clock.steadyNow()) {}

    VerifyReport run();

private:
    std::optional<ChecksumList> readList();
    FileCheck check(const std::string& path, const ChecksumEntry& entry) const;
    void report(const std::string& path, const FileCheck& check);
    void findExtraFiles(const ChecksumList& list);
    void append(std::string_view text) { m_c.log.append(text); }
    bool cancelled() const { return m_c.cancelRequested.load(std::memory_order_relaxed); }
    void step() {
        if (m_c.betweenSteps)
            m_c.betweenSteps();
    }

    VerifyContext& m_c;
    std::string m_folder;
    std::chrono::steady_clock::time_point m_start;
    VerifyReport m_report;
};

VerifyReport Verification::run() {
    m_c.host.phaseChanged(RunPhase::Preparing, RunKind::Verify);
    append("\r\n*** Verify Backup Started at " +
           m_c.platform.formats.generalDate(m_c.platform.clock.localNow()) +
           "\r\n- Checksum List-> " + m_folder + checksumListName + "\r\n");
    if (const std::optional<ChecksumList> list = readList()) {
        VerifyCounts& counts = m_report.counts;
        counts.listed = list->size();
        std::vector<const ChecksumList::value_type*> entries;
        for (const auto& entry : *list)
            entries.push_back(&entry);
        RunProgress progress;
        forEachInOrder<FileCheck>(
            entries.size(), m_c.workers,
            [&](std::size_t i) { return check(entries[i]->first, entries[i]->second); },
            [&](std::size_t i, const FileCheck& result) {
                if (result.state == FileState::Cancelled)
                    return false;
                report(entries[i]->first, result);
                progress.advance(
                    RunKind::Verify,
                    RunPace{i + 1, entries.size(), m_c.platform.clock.steadyNow() - m_start});
                m_c.host.progressChanged(progress);
                step();
                return !cancelled();
            });
        if (!cancelled())
            findExtraFiles(*list);
        m_report.ending = cancelled() ? VerifyEnding::Cancelled : VerifyEnding::Finished;
    }
    m_c.host.phaseChanged(RunPhase::Reporting, RunKind::Verify);
    std::string summary;
    if (m_report.ending == VerifyEnding::Cancelled)
        summary = "* Verify Canceled - " + std::to_string(m_report.counts.checked) + " of the " +
                  std::to_string(m_report.counts.listed) + " Files Checked.";
    else if (m_report.ending == VerifyEnding::Finished)
        summary = verifySummaryText(m_report.counts);
    if (!summary.empty())
        append(summary + "\r\n" +
               timeTakenText(RunKind::Verify, m_c.platform.clock.steadyNow() - m_start));
    append("\r\n");
    // The bar full when every file was checked, where Cancel stopped it otherwise.
    RunProgress done;
    done.filesListed = m_report.counts.listed;
    done.fileNumber = m_report.counts.checked;
    done.complete = m_report.ending == VerifyEnding::Finished;
    done.text = summary;
    m_c.host.progressChanged(done);
    m_c.host.phaseChanged(RunPhase::Restoring, RunKind::Verify);
    m_c.host.phaseChanged(RunPhase::Done, RunKind::Verify);
    return m_report;
}

// Damaged lines are named and counted; the files of the others are checked all the same,
// as sha256sum -c does.
std::optional<ChecksumList> Verification::readList() {
    const std::string path = m_folder + checksumListName;
    std::string text;
    const std::error_code error = m_c.platform.fs.readContents(
        path, [&text](std::string_view bytes) { text.append(bytes); }, {});
    if (error == std::errc::no_such_file_or_directory) {
        append("There is no checksum list to verify: '" + path + "' does not exist.\r\n");
        return std::nullopt;
    }
    if (error) {
        append("Checksum list '" + path + "' cannot be read: " + describeError(error) + "\r\n");
        return std::nullopt;
    }
    ParsedChecksumList parsed = parseChecksumList(text);
    for (const std::size_t line : parsed.damagedLines)
        append("Line " + std::to_string(line) + " of the checksum list cannot be read.\r\n");
    m_report.counts.damagedLines = parsed.damagedLines.size();
    return std::move(parsed.entries);
}

// On a worker's thread. The cache may hold what the disk has lost since: the file is read
// from the disk (readContents drops what the cache holds of it).
FileCheck Verification::check(const std::string& path, const ChecksumEntry& entry) const {
    if (cancelled())
        return {};
    FileSystem& fs = m_c.platform.fs;
    const std::string file = filePathOf(m_c.style, m_folder, path);
    const auto info = fs.entryInfo(file);
    if (!info) {
        const bool gone = info.error() == std::errc::no_such_file_or_directory ||
                          info.error() == std::errc::not_a_directory;
        return {gone ? FileState::Missing : FileState::Unreadable, info.error()};
    }
    if (info->type != EntryType::File)
        return {FileState::Missing, {}};
    const Result<Sha256Digest> digest =
        digestOfFile(fs, file, [this](std::uint64_t) { return cancelled(); });
    if (!digest)
        return {digest.error() == std::errc::operation_canceled ? FileState::Cancelled
                                                                : FileState::Unreadable,
                digest.error()};
    if (*digest == entry.digest)
        return {FileState::Intact, {}};
    const FileStamp now{info->size, info->modifiedNs};
    return {entry.stamp == now ? FileState::RotOrTampering : FileState::Changed, {}};
}

void Verification::report(const std::string& path, const FileCheck& check) {
    VerifyCounts& counts = m_report.counts;
    ++counts.checked;
    const std::string file = "File '" + escapedListPath(path) + "'";
    switch (check.state) {
    case FileState::Intact:
        ++counts.intact;
        break;
    case FileState::Changed:
        ++counts.changed;
        append(file + " has changed.\r\n");
        break;
    case FileState::RotOrTampering:
        ++counts.changed;
        ++counts.rotOrTampering;
        append(file + " has changed while its size and time stayed the same: bit rot or "
                      "tampering.\r\n");
        break;
    case FileState::Missing:
        ++counts.missing;
        append(file + " is missing.\r\n");
        break;
    case FileState::Unreadable:
        ++counts.unreadable;
        append(file + " could not be read: " + describeError(check.error) + "\r\n");
        break;
    case FileState::Cancelled:
        break;
    }
}

// Files as a backup holds them: hidden ones, our temporaries and links are none.
void Verification::findExtraFiles(const ChecksumList& list) {
    FileList files;
    FolderWalk walk(m_c.platform.fs, m_c.style, RunControl{&m_c.cancelRequested, [this] {
                                                               step();
                                                           }});
    for (const FolderError& failed :
         walk.ListFilesInTree(m_folder, AttributeMask::Folders, AttributeMask::Files, files, "*.*",
                              NameForm::FullPath)) {
        ++m_report.counts.unreadable;
        append("Folder '" + failed.folder + "' Error Occured: " + describeError(failed.error) +
               "\r\n");
    }
    std::vector<std::string> extra;
    for (const std::string& file : files.Items) {
        const std::string path = listPathOf(m_c.style, m_folder, file);
        if (path == checksumListName || list.contains(path))
            continue;
        const auto info = m_c.platform.fs.entryInfo(file);
        if (info && info->type == EntryType::File)
            extra.push_back(path);
    }
    // In the list's order, as the other lines.
    std::sort(extra.begin(), extra.end());
    for (const std::string& path : extra)
        append("File '" + escapedListPath(path) + "' is not in the checksum list.\r\n");
    m_report.counts.extra = extra.size();
}

} // namespace

VerifyReport verifyBackup(VerifyContext& context, const std::string& destinationFolder) {
    return Verification(context, destinationFolder).run();
}

unsigned verifyWorkersFor(Volumes& volumes, const std::string& folder) {
    if (onSpinningDisk(volumes, folder))
        return 1;
    return std::clamp(std::thread::hardware_concurrency(), 2u, fewReaders);
}

std::string verifySummaryText(const VerifyCounts& counts) {
    std::string text = "Backup verified: " + std::to_string(counts.listed) + " listed file(s), " +
                       std::to_string(counts.intact) + " intact, " +
                       std::to_string(counts.changed) + " changed";
    if (counts.rotOrTampering > 0)
        text += " (" + std::to_string(counts.rotOrTampering) +
                " with size and time unchanged: rot or tampering)";
    text += ", " + std::to_string(counts.missing) + " missing, " +
            std::to_string(counts.unreadable) + " unreadable; " + std::to_string(counts.extra) +
            " file(s) not in the list";
    if (counts.damagedLines > 0)
        text += "; " + std::to_string(counts.damagedLines) + " damaged line(s) in the list";
    return text + ".";
}

} // namespace tidecopy
