#include "platform/Enumeration.h"

#include "platform/FileAttributes.h"

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

} // namespace tidecopy
