#include "platform/Enumeration.h"

#include <algorithm>

namespace tidecopy {

namespace {

char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Iterative glob with single-star backtracking: linear in practice, no recursion.
bool globMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool hasWildcard(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}

bool matchesWildcard(std::string_view pattern, std::string_view name) {
    // A trailing ".*" also matches names without any dot, as the native search does.
    if (pattern.size() >= 2 && pattern.ends_with(".*") &&
        name.find('.') == std::string_view::npos &&
        globMatch(pattern.substr(0, pattern.size() - 2), name))
        return true;
    return globMatch(pattern, name);
}

bool passesAttributeMask(std::uint32_t attributes, std::uint32_t mask) {
    constexpr std::uint32_t selecting =
        FileAttribute::Directory | FileAttribute::Hidden | FileAttribute::System;
    const std::uint32_t present = attributes & selecting;
    return (present & ~mask) == 0;
}

std::error_code enumerateMatching(FileSystem& fs, const PathStyle& style, std::string_view search,
                                  std::uint32_t mask, std::vector<std::string>& names) {
    const std::string folder(style.folderPartOf(search));
    const std::string_view pattern = style.fileNameOf(search);
    if (pattern.empty())
        return std::make_error_code(std::errc::invalid_argument);

    if (!hasWildcard(pattern)) {
        auto info = fs.entryInfo(std::string(search));
        if (!info)
            return info.error();
        if (!passesAttributeMask(info->attributes, mask))
            return std::make_error_code(std::errc::no_such_file_or_directory);
        names.emplace_back(pattern);
        return {};
    }

    std::vector<FolderEntry> entries;
    if (auto error = fs.listFolder(folder.empty() ? std::string(".") : folder, entries))
        return error;
    if ((mask & FileAttribute::Directory) != 0) {
        for (const char* dots : {".", ".."})
            if (matchesWildcard(pattern, dots))
                names.emplace_back(dots);
    }
    for (auto& entry : entries)
        if (passesAttributeMask(entry.attributes, mask) && matchesWildcard(pattern, entry.name))
            names.push_back(std::move(entry.name));
    return {};
}

} // namespace tidecopy
