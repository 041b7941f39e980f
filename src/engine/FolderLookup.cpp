#include "engine/FolderLookup.h"

namespace tidecopy {

FolderLookup::FolderLookup(FileSystem& fs, const PathStyle& style)
    : m_fs(fs)
    , m_style(style) {}

FolderLookup::FolderLookup(const FolderLookup& other)
    : FolderLookup(other.m_fs, other.m_style) {}

// A folder that cannot be opened (missing, not a folder) leaves the look to the whole path,
// which answers as it always does.
Result<EntryInfo> FolderLookup::entryInfo(const std::string& path) {
    const std::string_view folder = m_style.folderPartOf(path);
    if (folder.empty() || folder.size() == path.size() || !m_fs.looksInOpenFoldersCostLess())
        return m_fs.entryInfo(path);
    if (folder != m_folderPath) {
        m_folderPath = folder;
        Result<OpenFolder> opened = m_fs.openFolder(m_folderPath);
        m_folder.reset();
        if (opened)
            m_folder.emplace(std::move(opened).value());
    }
    if (!m_folder)
        return m_fs.entryInfo(path);
    return m_fs.entryInfoIn(*m_folder, path.substr(folder.size()));
}

} // namespace tidecopy
