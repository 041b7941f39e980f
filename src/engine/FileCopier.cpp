#include "engine/FileCopier.h"

#include "engine/FolderCreation.h"
#include "platform/Enumeration.h"
#include "platform/Errors.h"
#include "platform/Existence.h"
#include "platform/FileSystemError.h"
#include "platform/TemporaryName.h"

#include <vector>

namespace tidecopy {

namespace {

using RenameMode = FileSystem::RenameMode;

constexpr std::string_view defaultExtension = ".bak";
constexpr int ownExtension = 1;
// A source that changes while it is copied is copied once more; a second change fails it.
constexpr int copyAttempts = 2;
// Owners are not copied, so set-user-ID and set-group-ID would hand the copy's new owner
// (root, for a run as root) to whoever runs it.
constexpr std::uint32_t keptPermissionBits = 01777;

// Where a folder cannot hold a second name for a file (FAT, some network shares).
bool linksUnsupported(std::error_code error) {
    return error == std::errc::operation_not_permitted ||
           error == std::errc::operation_not_supported ||
           error == std::errc::function_not_supported || error == std::errc::too_many_links;
}

// Where two names cannot trade places: EINVAL from a file system without the exchange,
// ENOSYS from an old kernel.
bool exchangeUnsupported(std::error_code error) {
    return error == std::errc::invalid_argument || error == std::errc::function_not_supported ||
           error == std::errc::operation_not_supported;
}

} // namespace

bool ClearedFolders::claim(const std::string& folder) {
    const std::lock_guard lock(m_mutex);
    return m_folders.insert(folder).second;
}

FileCopier::FileCopier(FileSystem& fs, const PathStyle& style, CopyOptions options, LogSink log,
                       RunControl control)
    : FileCopier(fs, style, std::move(options), std::move(log), std::move(control),
                 std::make_shared<ClearedFolders>()) {}

FileCopier::FileCopier(FileSystem& fs, const PathStyle& style, CopyOptions options, LogSink log,
                       RunControl control, std::shared_ptr<ClearedFolders> cleared)
    : m_fs(fs)
    , m_style(style)
    , m_options(std::move(options))
    , m_log(std::move(log))
    , m_control(std::move(control))
    , m_folders(fs, style, m_options.destinationFolder)
    , m_clearedFolders(std::move(cleared)) {}

FileCopier FileCopier::forAnotherThread(LogSink log, RunControl control) const {
    return FileCopier(m_fs, m_style, m_options, std::move(log), std::move(control),
                      m_clearedFolders);
}

CopyOutcome FileCopier::GoAndCopyTheFile(const std::string& strSource, const std::string& strTarget,
                                         const EntryInfo* source) {
    m_lastPreservedName.clear();
    const auto opening =
        m_folders.open(ExtractPath(m_style, strTarget),
                       m_options.chkSubFolders ? MissingFolders::Create : MissingFolders::Fail);
    if (!opening.folder) {
        logFailure(strTarget, opening.error, opening.failedPath);
        return CopyOutcome::Failed;
    }
    const OpenFolder& folder = *opening.folder;
    if (m_clearedFolders->claim(folder.path))
        removeLeftovers(folder);

    const std::string name(m_style.fileNameOf(strTarget));
    std::string ext;
    std::string preservedName;
    if (m_options.preserveFiles) {
        ext = m_options.PreserveNaming == 0 ? std::string(defaultExtension)
                                            : "." + m_options.PreserveExtension;
        preservedName = PreserveName(folder, name, ext);
    }

    m_control.processEvents();
    const std::error_code error = replaceSafely(folder, strSource, name, preservedName, source);
    m_control.processEvents();
    // A file the user cancelled half-way did not fail: the run reports the cancel.
    if (error == std::errc::operation_canceled)
        return CopyOutcome::Cancelled;
    if (error) {
        logFailure(strTarget, error);
        return CopyOutcome::Failed;
    }
    if (!preservedName.empty()) {
        m_log("File already exists. Preserving existing file (renamed to ." + ext.substr(1) +
              ")\r\n");
        ++m_preservedCount;
        m_lastPreservedName = preservedName;
    }
    return CopyOutcome::Copied;
}

// A folder that cannot be opened now counts as cleared all the same: if this run creates
// it, nothing can be left over in it.
void FileCopier::removeLeftoversBeside(const std::string& strTarget) {
    const std::string folder = ExtractPath(m_style, strTarget);
    if (!m_clearedFolders->claim(folder))
        return;
    const auto opening = m_folders.open(folder, MissingFolders::Fail);
    if (opening.folder)
        removeLeftovers(*opening.folder);
}

void FileCopier::prepareFolder(const std::string& folder) {
    m_folders.open(m_style.withTrailingSeparator(folder), MissingFolders::Create);
}

// The name an existing destination is preserved under, in the same folder; empty when
// there is none. ext becomes the extension actually used.
std::string FileCopier::PreserveName(const OpenFolder& folder, const std::string& name,
                                     std::string& ext) {
    if (ext.size() <= 1)
        ext = defaultExtension;
    if (m_options.PreserveNaming == ownExtension) {
        // A name without any dot falls back to ".bak".
        const std::size_t dot = name.rfind('.');
        ext = dot == std::string::npos ? std::string(defaultExtension) : name.substr(dot);
    }
    // As FileExists: an ordinary file, neither hidden nor a folder.
    const auto target = m_fs.entryInfoIn(folder, name);
    if (!target || !passesAttributeMask(target->attributes, AttributeMask::OrdinaryFilesOnly))
        return {};
    // Three steps and no fourth: when all three names are taken the last one is returned
    // and preserving onto it fails, as it exists.
    std::string candidate = name + ext;
    for (int step = 1; step < 3 && m_fs.entryInfoIn(folder, candidate); ++step)
        candidate += ext;
    return candidate;
}

// The pane's target folder is the one the user chose, links and all, so it is opened as
// it is rather than level by level below a run's destination.
std::error_code FileCopier::copyOneFile(const std::string& strSource,
                                        const std::string& strTarget) {
    const Result<OpenFolder> folder = m_fs.openFolder(ExtractPath(m_style, strTarget));
    if (!folder)
        return folder.error();
    return replaceSafely(*folder, strSource, std::string(m_style.fileNameOf(strTarget)), {});
}

// The whole file or nothing: every step works on the temporary or on a new name, and only
// the last one touches the destination's name. Undoing removes what the steps added.
std::error_code FileCopier::replaceSafely(const OpenFolder& folder, const std::string& source,
                                          const std::string& name, const std::string& preservedName,
                                          const EntryInfo* known) {
    const Result<EntryInfo> info = known ? Result<EntryInfo>(*known) : m_fs.entryInfo(source);
    if (!info)
        return info.error();
    Staged staged;
    std::error_code error = info->type == EntryType::Symlink
                                ? stageLink(folder, source, *info, staged)
                                : stageFile(folder, source, *info, staged);
    if (!error)
        error = commit(folder, staged, name, preservedName);
    if (error && !staged.name.empty())
        m_fs.removeIn(folder, staged.name);
    return error;
}

std::error_code FileCopier::stageFile(const OpenFolder& folder, const std::string& source,
                                      const EntryInfo& info, Staged& staged) {
    // Between chunks the run hears how far a large file has got and may draw it.
    const auto cancelled = [this, fileBytes = info.size](std::uint64_t bytesDone) {
        if (m_control.copied)
            m_control.copied(bytesDone, fileBytes);
        m_control.processEvents();
        return m_control.cancelled();
    };
    Result<TemporaryFile> copy = m_fs.createTemporaryCopy(folder, source, cancelled);
    for (int attempt = 1; attempt < copyAttempts && copy.error() == FileSystemError::SourceChanged;
         ++attempt)
        copy = m_fs.createTemporaryCopy(folder, source, cancelled);
    if (!copy)
        return copy.error();
    staged.file = std::move(copy).value();
    staged.name = staged.file->name;
    TemporaryFile& file = *staged.file;
    std::error_code error = m_fs.setTemporaryTime(file, file.source.modifiedNs);
    if (!error)
        error = m_fs.setTemporaryPermissions(file, file.source.permissions & keptPermissionBits);
    return error;
}

std::error_code FileCopier::stageLink(const OpenFolder& folder, const std::string& source,
                                      const EntryInfo& info, Staged& staged) {
    const auto text = m_fs.readSymlink(source);
    if (!text)
        return text.error();
    auto name = m_fs.createTemporaryLink(folder, *text);
    if (!name)
        return name.error();
    staged.name = std::move(name).value();
    return m_fs.setLinkTime(folder, staged.name, info.modifiedNs);
}

// A second name (hard link) keeps the old version in place until the new one takes the
// destination's name; where links are unsupported the two trade places instead. Neither
// ever replaces an existing preserved copy.
std::error_code FileCopier::commit(const OpenFolder& folder, Staged& staged,
                                   const std::string& name, const std::string& preservedName) {
    if (preservedName.empty())
        return moveIntoPlace(folder, staged, name);
    // A preserved name is given only to a file that is there: it is replaced.
    if (auto error = flushBeforeReplacing(staged))
        return error;
    const std::string& temporary = staged.name;
    std::error_code error = m_fs.linkIn(folder, name, preservedName);
    if (linksUnsupported(error))
        return preserveByExchange(folder, temporary, name, preservedName);
    if (!error) {
        error = m_fs.renameIn(folder, temporary, name, RenameMode::Replace);
        if (error)
            m_fs.removeIn(folder, preservedName);
    }
    return error;
}

// A new name costs no look first: the rename refuses to replace, and only a file that is
// there already waits for the new data to reach the disk before it is replaced.
std::error_code FileCopier::moveIntoPlace(const OpenFolder& folder, Staged& staged,
                                          const std::string& name) {
    std::error_code error = m_fs.renameIn(folder, staged.name, name, RenameMode::NoReplace);
    if (!error)
        return {};
    // Where a file system cannot refuse, a look says whether anything is there to replace.
    if (error != std::errc::file_exists && !m_fs.entryInfoIn(folder, name).ok())
        return m_fs.renameIn(folder, staged.name, name, RenameMode::Replace);
    if ((error = flushBeforeReplacing(staged)))
        return error;
    return m_fs.renameIn(folder, staged.name, name, RenameMode::Replace);
}

// Replacing a file is safe only once the new data is on the disk; a link has no data.
std::error_code FileCopier::flushBeforeReplacing(Staged& staged) {
    return staged.file ? m_fs.flushBeforeReplacing(*staged.file) : std::error_code{};
}

// The new version takes the preserved name first and then trades places with the old one
// in one step: the destination's name is never missing, and the old version never lies
// under a temporary name that a clean-up would take for a leftover. On a failure the new
// version goes back to its temporary name, for the caller to remove.
std::error_code FileCopier::preserveByExchange(const OpenFolder& folder,
                                               const std::string& temporary,
                                               const std::string& name,
                                               const std::string& preservedName) {
    std::error_code error = m_fs.renameIn(folder, temporary, preservedName, RenameMode::NoReplace);
    if (error)
        return error;
    error = m_fs.renameIn(folder, preservedName, name, RenameMode::Exchange);
    if (!error)
        return {};
    m_fs.renameIn(folder, preservedName, temporary, RenameMode::NoReplace);
    if (!exchangeUnsupported(error))
        return error;
    // Without the exchange the destination's name is missing between two renames.
    error = m_fs.renameIn(folder, name, preservedName, RenameMode::NoReplace);
    if (error)
        return error;
    error = m_fs.renameIn(folder, temporary, name, RenameMode::Replace);
    if (error)
        m_fs.renameIn(folder, preservedName, name, RenameMode::NoReplace);
    return error;
}

void FileCopier::removeLeftovers(const OpenFolder& folder) {
    std::vector<FolderEntry> entries;
    if (m_fs.listOpenFolder(folder, entries))
        return;
    for (const FolderEntry& entry : entries)
        if (entry.type == EntryType::File && isTemporaryName(entry.name))
            m_fs.removeUnusedTemporary(folder, entry.name);
}

void FileCopier::logFailure(const std::string& strTarget, std::error_code error,
                            const std::string& failedPath) {
    const std::string file = "File '" + FileNameOf(m_style, strTarget) + "'";
    if (error == FileSystemError::SourceChanged)
        m_log(file + " changed while it was being copied.\r\n");
    else if (error == FileSystemError::SymlinkNotFollowed)
        m_log(file + " Error Occured: '" + failedPath + "' is a symbolic link; not followed.\r\n");
    else
        m_log(file + " Error Occured: " + describeError(error) + "\r\n");
}

} // namespace tidecopy
