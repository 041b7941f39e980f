#include "engine/DestinationFolders.h"

#include "engine/FolderCreation.h"

#include <algorithm>

namespace tidecopy {

DestinationFolders::DestinationFolders(FileSystem& fs, const PathStyle& style,
                                       std::string destinationFolder)
    : m_fs(fs)
    , m_style(style)
    , m_destination(style.withTrailingSeparator(destinationFolder)) {}

DestinationFolders::Opening DestinationFolders::open(const std::string& folder,
                                                     MissingFolders missing) {
    if (m_current && m_current->path == folder)
        return {&*m_current, {}, {}};
    if (!folder.starts_with(m_destination))
        return {nullptr, std::make_error_code(std::errc::invalid_argument), folder};
    if (auto error = openDestination(missing))
        return {nullptr, error, m_style.withoutTrailingSeparator(m_destination)};
    if (folder.size() == m_destination.size())
        return {&*m_destinationFolder, {}, {}};
    // All levels in one step in the usual case; level by level to create missing ones and
    // to name the one that failed.
    auto below = m_fs.openSubfolder(
        *m_destinationFolder,
        m_style.withoutTrailingSeparator(std::string_view(folder).substr(m_destination.size())));
    if (!below)
        return openLevels(folder, missing);
    m_current = std::move(below).value();
    m_current->path = folder;
    return {&*m_current, {}, {}};
}

// Above and at the destination folder, links are the user's own choice: the path is
// created as given.
std::error_code DestinationFolders::openDestination(MissingFolders missing) {
    if (m_destinationFolder)
        return {};
    auto opened = m_fs.openFolder(m_destination);
    if (!opened && opened.error() == std::errc::no_such_file_or_directory &&
        missing == MissingFolders::Create) {
        if (auto error = CreateFolderPath(m_fs, m_style, m_destination))
            return error;
        opened = m_fs.openFolder(m_destination);
    }
    if (!opened)
        return opened.error();
    m_destinationFolder = std::move(opened).value();
    return {};
}

DestinationFolders::Opening DestinationFolders::openLevels(const std::string& folder,
                                                           MissingFolders missing) {
    std::optional<OpenFolder> level;
    const OpenFolder* base = &*m_destinationFolder;
    for (std::size_t start = m_destination.size(); start < folder.size();) {
        const std::size_t end = std::min(folder.find(m_style.separator(), start), folder.size());
        const std::string name = folder.substr(start, end - start);
        const std::string path = folder.substr(0, end);
        start = end + 1;
        if (name.empty())
            continue; // a doubled separator
        auto next = m_fs.openSubfolder(*base, name);
        if (!next && next.error() == std::errc::no_such_file_or_directory &&
            missing == MissingFolders::Create) {
            // Another run may create it at the same moment.
            if (auto error = m_fs.createSubfolder(*base, name);
                error && error != std::errc::file_exists)
                return {nullptr, error, path};
            next = m_fs.openSubfolder(*base, name);
        }
        if (!next)
            return {nullptr, next.error(), path};
        level = std::move(next).value();
        base = &*level;
    }
    if (!level)
        return {&*m_destinationFolder, {}, {}};
    m_current = std::move(level);
    m_current->path = folder;
    return {&*m_current, {}, {}};
}

} // namespace tidecopy
