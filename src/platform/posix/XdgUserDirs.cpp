#include "platform/posix/XdgUserDirs.h"

#include "platform/PathStyle.h"

namespace tidecopy {

namespace {

std::string_view keyOf(UserFolder folder) {
    switch (folder) {
    case UserFolder::Desktop:
        return "XDG_DESKTOP_DIR";
    case UserFolder::Documents:
        return "XDG_DOCUMENTS_DIR";
    case UserFolder::Pictures:
        return "XDG_PICTURES_DIR";
    case UserFolder::Music:
        return "XDG_MUSIC_DIR";
    case UserFolder::Videos:
        return "XDG_VIDEOS_DIR";
    }
    return {};
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The shell-quoted value of a line: "$HOME/Music" or "/abs/path", backslash escapes
// taken literally. Empty when the value is not of one of the two allowed forms.
std::string valueOf(std::string_view quoted, std::string_view home) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return {};
    std::string raw;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size())
            ++i;
        raw.push_back(quoted[i]);
    }
    if (raw.starts_with("$HOME")) {
        const std::string_view rest = std::string_view(raw).substr(5);
        if (!rest.empty() && rest.front() != '/')
            return {};
        std::string folder =
            PathStyle::posix().withoutTrailingSeparator(std::string(home) + std::string(rest));
        return folder == PathStyle::posix().withoutTrailingSeparator(home) ? std::string{} : folder;
    }
    return raw.starts_with('/') ? raw : std::string{};
}

} // namespace

std::string userFolderFromUserDirs(std::string_view userDirsText, std::string_view home,
                                   UserFolder folder) {
    const std::string_view key = keyOf(folder);
    std::string found;
    bool named = false;
    std::size_t lineStart = 0;
    while (lineStart <= userDirsText.size()) {
        std::size_t lineEnd = userDirsText.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = userDirsText.size();
        const std::string_view line = trimmed(userDirsText.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (line.empty() || line.front() == '#')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || trimmed(line.substr(0, equals)) != key)
            continue;
        // The last assignment wins, as when the shell sources the file.
        found = valueOf(trimmed(line.substr(equals + 1)), home);
        named = true;
    }
    if (!named && folder == UserFolder::Desktop && !home.empty())
        return PathStyle::posix().join(home, "Desktop");
    return found;
}

std::string lookUpUserFolder(FileSystem& fs, const std::string& configHome, const std::string& home,
                             UserFolder folder) {
    const Result<std::string> text =
        fs.readWholeFile(PathStyle::posix().join(configHome, "user-dirs.dirs"));
    return userFolderFromUserDirs(text ? std::string_view(*text) : std::string_view{}, home,
                                  folder);
}

} // namespace tidecopy
