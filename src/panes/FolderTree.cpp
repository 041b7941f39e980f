#include "panes/FolderTree.h"

#include "platform/Enumeration.h"
#include "platform/FileSystemError.h"

#include <algorithm>

namespace tidecopy {

namespace {

constexpr std::uint32_t ownerWrite = 0200;

TreeDeletion stayed(std::string path, std::error_code error) {
    return {false, std::move(path), error};
}

// Walks one tree depth first and keeps the first failure; whatever fails stays, and so
// does every folder above it.
class TreeRemover {
public:
    TreeRemover(const PaneActionContext& context, const std::vector<std::string>& mountPoints,
                std::uint64_t device)
        : m_context(context)
        , m_mountPoints(mountPoints)
        , m_device(device) {}

    void removeFolder(const OpenFolder& parent, const std::string& name) {
        const std::string path = parent.path + name;
        if (isMountPoint(path))
            return fail(path, FileSystemError::OtherFileSystem);
        Result<OpenFolder> folder = m_context.fs.openSubfolder(parent, name);
        if (!folder)
            return fail(path, folder.error());
        const Result<FileIdentity> identity = m_context.fs.identityOfOpen(*folder);
        if (!identity)
            return fail(path, identity.error());
        if (identity->device != m_device)
            return fail(path, FileSystemError::OtherFileSystem);
        // A read-only folder goes with everything in it, as the user asked.
        const Result<EntryInfo> info = m_context.fs.entryInfoIn(parent, name);
        if (info && (info->permissions & ownerWrite) == 0)
            if (const std::error_code error = m_context.fs.allowRemovingFrom(*folder))
                return fail(path, error);
        if (removeContents(*folder))
            record(path, m_context.fs.removeFolderIn(parent, name));
    }

    bool removeContents(const OpenFolder& folder) {
        std::vector<FolderEntry> entries;
        if (const std::error_code error = m_context.fs.listOpenFolder(folder, entries)) {
            fail(m_context.style.withoutTrailingSeparator(folder.path), error);
            return false;
        }
        bool all = true;
        for (const FolderEntry& entry : entries) {
            if (m_context.control.cancelled()) {
                fail(m_context.style.withoutTrailingSeparator(folder.path),
                     std::make_error_code(std::errc::operation_canceled));
                return false;
            }
            const std::size_t failuresBefore = m_failures;
            if (entry.type == EntryType::Directory)
                removeFolder(folder, entry.name);
            else
                record(folder.path + entry.name, m_context.fs.removeIn(folder, entry.name));
            all = all && m_failures == failuresBefore;
        }
        return all;
    }

    const TreeDeletion& result() const { return m_result; }
    void record(const std::string& path, std::error_code error) {
        if (error)
            fail(path, error);
    }
    void fail(const std::string& path, std::error_code error) {
        if (m_failures++ == 0)
            m_result = stayed(path, error);
    }
    void fail(const std::string& path, FileSystemError error) {
        fail(path, make_error_code(error));
    }

private:
    bool isMountPoint(const std::string& path) const {
        return std::find(m_mountPoints.begin(), m_mountPoints.end(), path) != m_mountPoints.end();
    }

    const PaneActionContext& m_context;
    const std::vector<std::string>& m_mountPoints;
    std::uint64_t m_device;
    std::size_t m_failures = 0;
    TreeDeletion m_result;
};

} // namespace

std::int16_t CountDirectories(FileSystem& fs, const PathStyle& style, const std::string& path,
                              std::uint32_t attributes) {
    std::vector<FolderEntry> entries;
    if (fs.listFolder(style.withTrailingSeparator(path), entries))
        return 0;
    const std::uint32_t mask = attributes | FileAttribute::Directory;
    return static_cast<std::int16_t>(
        std::count_if(entries.begin(), entries.end(), [&](const FolderEntry& entry) {
            return entry.type == EntryType::Directory &&
                   passesAttributeMask(entry.attributes, mask);
        }));
}

TreeDeletion DeleteFolderTree(const PaneActionContext& context, const std::string& strFolder,
                              const std::vector<std::string>& mountPoints) {
    FileSystem& fs = context.fs;
    const PathStyle& style = context.style;
    const std::string folder = style.withoutTrailingSeparator(strFolder);
    const Result<EntryInfo> info = fs.entryInfo(folder);
    if (!info)
        return stayed(folder, info.error());
    if (info->type == EntryType::Symlink) {
        const std::error_code error = fs.removeFile(folder);
        return {!error, error ? folder : std::string{}, error};
    }
    if (info->type != EntryType::Directory || style.isRoot(folder))
        return stayed(folder, std::make_error_code(std::errc::not_a_directory));
    // The mount table names folders by their resolved paths; the folder's own name is no
    // link (see above), so resolving its parent is enough.
    const std::string name(style.fileNameOf(folder));
    const Result<std::string> parentPath =
        fs.canonicalPath(std::string(style.folderPartOf(folder)));
    if (!parentPath)
        return stayed(folder, parentPath.error());
    Result<OpenFolder> parent = fs.openFolder(*parentPath);
    if (!parent)
        return stayed(folder, parent.error());
    const Result<FileIdentity> parentIdentity = fs.identityOfOpen(*parent);
    if (!parentIdentity)
        return stayed(folder, parentIdentity.error());
    TreeRemover remover(context, mountPoints, parentIdentity->device);
    remover.removeFolder(*parent, name);
    TreeDeletion result = remover.result();
    if (result.failedPath.empty()) {
        result.deleted = !fs.entryInfo(folder).ok();
        if (!result.deleted)
            result = stayed(folder, std::make_error_code(std::errc::directory_not_empty));
    }
    return result;
}

} // namespace tidecopy
