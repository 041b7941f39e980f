#include "panes/FolderContents.h"

#include "platform/Enumeration.h"

#include <algorithm>

namespace tidecopy {

namespace {

char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool lessByName(const std::string& a, const std::string& b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return foldCase(x) == foldCase(y); });
    if (ia == a.end() || ib == b.end()) {
        if (a.size() != b.size())
            return a.size() < b.size();
        return a < b;
    }
    return static_cast<unsigned char>(foldCase(*ia)) < static_cast<unsigned char>(foldCase(*ib));
}

} // namespace

void sortByName(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), lessByName);
}

Result<FolderContents> readFolderContents(FileSystem& fs, const PathStyle& style,
                                          const std::string& folder) {
    std::vector<FolderEntry> entries;
    if (auto error = fs.listFolder(folder, entries))
        return error;
    FolderContents contents;
    const std::string prefix = style.withTrailingSeparator(folder);
    std::string path;
    for (FolderEntry& entry : entries) {
        if (entry.type == EntryType::Directory) {
            contents.subFolders.push_back(std::move(entry.name));
            continue;
        }
        path.assign(prefix).append(entry.name);
        if (const auto info = fs.entryInfo(path))
            contents.plainFileBytes += info->size;
        if (passesAttributeMask(entry.attributes, AttributeMask::OrdinaryFilesOnly))
            contents.files.push_back(std::move(entry.name));
    }
    sortByName(contents.subFolders);
    sortByName(contents.files);
    return contents;
}

} // namespace tidecopy
