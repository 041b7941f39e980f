#include "platform/PathStyle.h"

#include <algorithm>
#include <cctype>

namespace tidecopy {

PathStyle PathStyle::native() {
#ifdef _WIN32
    return windows();
#else
    return posix();
#endif
}

std::string PathStyle::rootOf(std::string_view path) const {
    if (m_flavor == Flavor::Posix)
        return (!path.empty() && path.front() == '/') ? "/" : "";

    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
        return std::string(path.substr(0, 2)) + '\\';
    if (path.starts_with("\\\\")) {
        // \\server\share\ is the root of a UNC path.
        const auto serverEnd = path.find('\\', 2);
        if (serverEnd == std::string_view::npos)
            return std::string(path) + '\\';
        const auto shareEnd = path.find('\\', serverEnd + 1);
        if (shareEnd == std::string_view::npos)
            return std::string(path) + '\\';
        return std::string(path.substr(0, shareEnd + 1));
    }
    return path.starts_with('\\') ? "\\" : "";
}

bool PathStyle::isRoot(std::string_view path) const {
    const std::string root = rootOf(path);
    return !root.empty() && withTrailingSeparator(path) == root;
}

bool PathStyle::endsWithSeparator(std::string_view path) const {
    return !path.empty() && isSeparator(path.back());
}

std::string PathStyle::withTrailingSeparator(std::string_view path) const {
    std::string result(path);
    if (!endsWithSeparator(result))
        result += separator();
    return result;
}

std::string PathStyle::withoutTrailingSeparator(std::string_view path) const {
    const std::size_t rootLength = rootOf(path).size();
    std::string result(path);
    while (result.size() > rootLength && endsWithSeparator(result))
        result.pop_back();
    return result;
}

std::string PathStyle::join(std::string_view folder, std::string_view name) const {
    if (folder.empty())
        return std::string(name);
    return withTrailingSeparator(folder) + std::string(name);
}

bool PathStyle::sameName(std::string_view a, std::string_view b) const {
    if (m_flavor == Flavor::Posix)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view PathStyle::fileNameOf(std::string_view path) const {
    const auto last = path.rfind(separator());
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string_view PathStyle::folderPartOf(std::string_view path) const {
    const auto last = path.rfind(separator());
    return last == std::string_view::npos ? std::string_view{} : path.substr(0, last + 1);
}

} // namespace tidecopy
