#include "engine/FolderWalk.h"

#include "engine/FolderReadAhead.h"
#include "platform/Enumeration.h"
#include "platform/TemporaryName.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tidecopy {

// One folder's entries, read once and sorted; both the folder and the file selection
// are made from it, so no folder is enumerated twice.
struct FolderWalk::FolderContents {
    std::vector<FolderEntry> entries;
};

struct FolderWalk::TreeRequest {
    std::uint32_t folderMask;
    std::uint32_t fileMask;
    std::string_view pattern;
    NameForm form;
    FileList& list;
    FolderReadAhead* ahead; // null when the walk reads each folder itself
};

namespace {

bool isSelected(const FolderEntry& entry, std::uint32_t mask) {
    return passesAttributeMask(entry.attributes, mask) && !isTemporaryName(entry.name);
}

bool isWalkedFolder(const FolderEntry& entry, std::uint32_t mask) {
    return entry.type == EntryType::Directory && isSelected(entry, mask);
}

// One rule for every filter, with or without wildcards: letters compare without regard to
// case. "*.*" and "*" take every name; they are what almost every run lists with, so no
// match is tried.
bool matchesPattern(std::string_view pattern, std::string_view name) {
    return pattern == "*.*" || pattern == "*" || matchesWildcard(pattern, name);
}

std::string joined(const std::string& folder, const std::string& name) {
    std::string path;
    path.reserve(folder.size() + name.size());
    path.append(folder).append(name);
    return path;
}

} // namespace

FolderWalk::FolderWalk(FileSystem& fs, const PathStyle& style, RunControl control)
    : m_fs(fs)
    , m_style(style)
    , m_control(std::move(control)) {}

std::error_code FolderWalk::readFolder(const std::string& folder, FolderContents& contents) const {
    contents.entries.clear();
    if (auto error = m_fs.listFolder(folder, contents.entries)) {
        contents.entries.clear();
        return error;
    }
    std::sort(contents.entries.begin(), contents.entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return {};
}

void FolderWalk::appendFiles(const std::string& folder, const FolderContents& contents,
                             std::uint32_t mask, std::string_view pattern, NameForm form,
                             FileList& list) const {
    for (const FolderEntry& entry : contents.entries) {
        if (!isSelected(entry, mask) || !matchesPattern(pattern, entry.name))
            continue;
        list.Items.push_back(form == NameForm::NameOnly ? entry.name : joined(folder, entry.name));
    }
    list.Count = list.Items.size();
}

void FolderWalk::leaveOut(const std::string& folder) {
    m_leftOut = m_style.withoutTrailingSeparator(folder);
}

bool FolderWalk::isLeftOut(std::string_view folder) const {
    return !m_leftOut.empty() && folder == m_leftOut;
}

void FolderWalk::ListSubFolders(const std::string& folder, std::uint32_t mask, FileList& list) {
    const std::string base = m_style.withTrailingSeparator(folder);
    FolderContents contents;
    readFolder(base, contents);
    for (const FolderEntry& entry : contents.entries) {
        if (m_control.cancelled())
            break;
        if (!isSelected(entry, mask))
            continue;
        m_control.processEvents();
        if (entry.type != EntryType::Directory)
            continue;
        std::string sub = joined(base, entry.name);
        if (!isLeftOut(sub))
            list.Items.push_back(std::move(sub));
    }
    list.Count = list.Items.size();
}

void FolderWalk::ListAllSubFolders(const std::string& folder, std::uint32_t mask, FileList& list) {
    FileList local;
    ListSubFolders(folder, mask, local);
    for (std::string& sub : local.Items) {
        list.Items.push_back(sub);
        ListAllSubFolders(sub, mask, list);
    }
    list.Count = list.Items.size();
}

std::error_code FolderWalk::ListFilesInFolder(const std::string& folder, std::uint32_t mask,
                                              FileList& list, std::string_view pattern,
                                              NameForm form) {
    const std::string base = m_style.withTrailingSeparator(folder);
    FolderContents contents;
    if (auto error = readFolder(base, contents))
        return error;
    m_control.processEvents();
    if (m_control.cancelled())
        return {};
    appendFiles(base, contents, mask, pattern, form, list);
    return {};
}

void FolderWalk::walkFilesBelow(const std::string& folder, const FolderContents& contents,
                                const TreeRequest& request, std::vector<FolderError>& errors) {
    std::vector<std::string> subfolders;
    for (const FolderEntry& entry : contents.entries) {
        if (!isWalkedFolder(entry, request.folderMask))
            continue;
        std::string sub = joined(folder, entry.name);
        if (!isLeftOut(sub))
            subfolders.push_back(sub + m_style.separator());
    }
    if (request.ahead)
        request.ahead->expect(subfolders);
    for (const std::string& sub : subfolders) {
        if (m_control.cancelled())
            return;
        m_control.processEvents();
        FolderContents subContents;
        const std::error_code error = request.ahead ? request.ahead->take(sub, subContents.entries)
                                                    : readFolder(sub, subContents);
        if (error) {
            errors.push_back({sub, error});
            continue;
        }
        if (m_control.cancelled())
            return;
        appendFiles(sub, subContents, request.fileMask, request.pattern, request.form,
                    request.list);
        walkFilesBelow(sub, subContents, request, errors);
    }
}

std::vector<FolderError> FolderWalk::ListFilesInTree(const std::string& root,
                                                     std::uint32_t folderMask,
                                                     std::uint32_t fileMask, FileList& list,
                                                     std::string_view pattern, NameForm form) {
    const std::string base = m_style.withTrailingSeparator(root);
    FolderContents rootContents;
    if (auto error = readFolder(base, rootContents))
        return {{base, error}};
    m_control.processEvents();
    std::vector<FolderError> errors;
    std::optional<FolderReadAhead> ahead;
    if (m_readAhead > 1)
        ahead.emplace(m_readAhead,
                      [this](const std::string& folder, std::vector<FolderEntry>& entries) {
                          FolderContents contents;
                          const std::error_code error = readFolder(folder, contents);
                          entries = std::move(contents.entries);
                          return error;
                      });
    walkFilesBelow(
        base, rootContents,
        TreeRequest{folderMask, fileMask, pattern, form, list, ahead ? &*ahead : nullptr}, errors);
    if (!m_control.cancelled())
        appendFiles(base, rootContents, fileMask, pattern, form, list);
    list.Count = list.Items.size();
    return errors;
}

} // namespace tidecopy
