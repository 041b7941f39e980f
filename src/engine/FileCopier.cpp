#include "engine/FileCopier.h"

#include "engine/FolderCreation.h"
#include "platform/Errors.h"
#include "platform/Existence.h"
#include "platform/TemporaryName.h"

#include <vector>

namespace tidecopy {

namespace {

constexpr std::string_view defaultExtension = ".bak";
constexpr int ownExtension = 1;
constexpr int attemptsForTemporaryName = 4;
// Owners are not copied, so set-user-ID and set-group-ID would hand the copy's new owner
// (root, for a run as root) to whoever runs it.
constexpr std::uint32_t keptPermissionBits = 01777;

// Where a folder cannot hold a second name for a file (FAT, some network shares).
bool linksUnsupported(std::error_code error) {
    return error == std::errc::operation_not_permitted ||
           error == std::errc::operation_not_supported ||
           error == std::errc::function_not_supported || error == std::errc::too_many_links;
}

} // namespace

FileCopier::FileCopier(FileSystem& fs, const PathStyle& style, CopyOptions options, LogSink log,
                       RunControl control)
    : m_fs(fs)
    , m_style(style)
    , m_options(std::move(options))
    , m_log(std::move(log))
    , m_control(std::move(control)) {}

bool FileCopier::exists(const std::string& path) {
    return m_fs.entryInfo(path).ok();
}

std::string FileCopier::PreserveName(const std::string& target, std::string& ext) {
    if (ext.size() <= 1)
        ext = defaultExtension;
    if (m_options.PreserveNaming == ownExtension) {
        // Only the file's own name is searched: a dot in a folder name is no extension, and a
        // name without any dot falls back to ".bak".
        const std::string_view name = m_style.fileNameOf(target);
        const std::size_t dot = name.rfind('.');
        ext = dot == std::string_view::npos ? std::string(defaultExtension)
                                            : std::string(name.substr(dot));
    }
    if (!FileExists(m_fs, m_style, target))
        return {};
    // Three steps and no fourth: when all three names are taken the last one is returned
    // and preserving onto it fails, as it exists.
    std::string candidate = target + ext;
    for (int step = 1; step < 3 && exists(candidate); ++step)
        candidate += ext;
    return candidate;
}

CopyOutcome FileCopier::GoAndCopyTheFile(const std::string& strSource,
                                         const std::string& strTarget) {
    const std::string folder = ExtractPath(m_style, strTarget);
    if (m_options.chkSubFolders && !folder.empty() && !FileOrDirExists(m_fs, m_style, folder)) {
        CreateFolderPath(m_fs, m_style, folder);
        m_clearedFolders.insert(folder); // new: nothing left over in it
    }
    removeLeftoverTemporaries(folder);

    std::string ext;
    std::string preservedName;
    if (m_options.preserveFiles) {
        ext = m_options.PreserveNaming == 0 ? std::string(defaultExtension)
                                            : "." + m_options.PreserveExtension;
        preservedName = PreserveName(strTarget, ext);
    }

    m_control.processEvents();
    const std::error_code error = replaceSafely(strSource, strTarget, preservedName);
    m_control.processEvents();
    // A file the user cancelled half-way did not fail: the run reports the cancel.
    if (error == std::errc::operation_canceled)
        return CopyOutcome::Cancelled;
    if (error) {
        m_log("File '" + FileNameOf(m_style, strTarget) +
              "' Error Occured: " + describeError(error) + "\r\n");
        return CopyOutcome::Failed;
    }
    if (!preservedName.empty()) {
        m_log("File already exists. Preserving existing file (renamed to ." + ext.substr(1) +
              ")\r\n");
        ++m_preservedCount;
    }
    return CopyOutcome::Copied;
}

std::error_code FileCopier::copyOneFile(const std::string& strSource,
                                        const std::string& strTarget) {
    return replaceSafely(strSource, strTarget, {});
}

// The whole file or nothing: every step works on the temporary or on a new name, and only
// the last rename touches the destination. Undoing removes what the steps added.
std::error_code FileCopier::replaceSafely(const std::string& source, const std::string& target,
                                          const std::string& preservedName) {
    const auto info = m_fs.entryInfo(source);
    if (!info)
        return info.error();
    std::string temporary;
    std::error_code error = createTemporary(source, *info, ExtractPath(m_style, target), temporary);
    if (!error)
        error = m_fs.setModifiedTime(temporary, info->modifiedNs);
    if (!error && info->type != EntryType::Symlink)
        error = m_fs.setPermissions(temporary, info->permissions & keptPermissionBits);
    Preservation preservation = Preservation::None;
    if (!error && !preservedName.empty())
        error = preserveExisting(target, preservedName, preservation);
    if (!error)
        error = m_fs.renameReplacing(temporary, target);
    if (error) {
        undoPreservation(target, preservedName, preservation);
        if (!temporary.empty())
            m_fs.removeFile(temporary);
    }
    return error;
}

// Leaves temporary empty when no file of ours was created, so that a name that happened
// to be taken is never removed.
std::error_code FileCopier::createTemporary(const std::string& source, const EntryInfo& info,
                                            const std::string& folder, std::string& temporary) {
    std::string linkText;
    if (info.type == EntryType::Symlink) {
        auto text = m_fs.readSymlink(source);
        if (!text)
            return text.error();
        linkText = std::move(text).value();
    }
    const auto cancelled = [this] {
        return m_control.cancelled();
    };
    std::error_code error;
    for (int attempt = 0; attempt < attemptsForTemporaryName; ++attempt) {
        const std::string candidate = folder + makeTemporaryName();
        error = info.type == EntryType::Symlink ? m_fs.createSymlink(linkText, candidate)
                                                : m_fs.copyFileData(source, candidate, cancelled);
        if (error != std::errc::file_exists) {
            temporary = candidate;
            return error;
        }
    }
    return error;
}

// A second name (hard link) keeps the destination in place until the final rename; where
// links are unsupported the destination is renamed instead. Neither ever replaces an
// existing preserved copy.
std::error_code FileCopier::preserveExisting(const std::string& target,
                                             const std::string& preservedName, Preservation& done) {
    std::error_code error = m_fs.hardLink(target, preservedName);
    if (!error) {
        done = Preservation::Linked;
        return {};
    }
    if (!linksUnsupported(error))
        return error;
    error = m_fs.renameNoReplace(target, preservedName);
    if (!error)
        done = Preservation::Renamed;
    return error;
}

void FileCopier::undoPreservation(const std::string& target, const std::string& preservedName,
                                  Preservation done) {
    switch (done) {
    case Preservation::None:
        break;
    case Preservation::Linked:
        m_fs.removeFile(preservedName);
        break;
    case Preservation::Renamed:
        m_fs.renameNoReplace(preservedName, target);
        break;
    }
}

void FileCopier::removeLeftoverTemporaries(const std::string& folder) {
    // Looked up before inserting: most files go to a folder cleared already.
    if (m_clearedFolders.contains(folder) || !m_clearedFolders.insert(folder).second)
        return;
    std::vector<FolderEntry> entries;
    if (m_fs.listFolder(folder.empty() ? "." : folder, entries))
        return;
    for (const FolderEntry& entry : entries)
        if (entry.type != EntryType::Directory && isTemporaryName(entry.name))
            m_fs.removeFile(folder + entry.name);
}

} // namespace tidecopy
