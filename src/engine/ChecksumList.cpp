#include "engine/ChecksumList.h"

#include <charconv>

namespace tidecopy {

namespace {

constexpr std::string_view header =
    "# Tidecopy checksum list. Check it in this folder with: sha256sum -c Tidecopy.sha256\n"
    "# A \"#:\" line gives the size in bytes and the modification time (ns since 1970) that\n"
    "# the file on the next line had when it was hashed.\n";
constexpr std::string_view stampMark = "#: ";
constexpr std::size_t hexLength = 64;

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

template <typename Number>
bool readNumber(std::string_view& text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

// "#: size modifiedNs"
std::optional<FileStamp> stampOf(std::string_view line) {
    line.remove_prefix(stampMark.size());
    FileStamp stamp;
    if (!readNumber(line, stamp.size) || !line.starts_with(' '))
        return std::nullopt;
    line.remove_prefix(1);
    if (!readNumber(line, stamp.modifiedNs) || !line.empty())
        return std::nullopt;
    return stamp;
}

// Nothing that leads out of the folder, and nothing the system would cut short.
bool staysInside(std::string_view path) {
    if (path.empty() || path.starts_with('/') || path.find('\0') != std::string_view::npos)
        return false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find('/', start);
        if (path.substr(start, end - start) == "..")
            return false;
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}

// "hash  path" or "hash *path" (sha256sum's binary mark), escaped or not.
std::optional<std::pair<std::string, Sha256Digest>> fileLineOf(std::string_view line) {
    const bool escaped = line.starts_with('\\');
    if (escaped)
        line.remove_prefix(1);
    if (line.size() <= hexLength + 2 || line[hexLength] != ' ' ||
        (line[hexLength + 1] != ' ' && line[hexLength + 1] != '*'))
        return std::nullopt;
    const std::optional<Sha256Digest> digest = digestOfHex(line.substr(0, hexLength));
    std::optional<std::string> path = std::string(line.substr(hexLength + 2));
    if (escaped)
        path = unescaped(*path);
    if (!digest || !path)
        return std::nullopt;
    std::string_view relative = *path;
    while (relative.starts_with("./"))
        relative.remove_prefix(2);
    if (!staysInside(relative))
        return std::nullopt;
    return std::pair{std::string(relative), *digest};
}

} // namespace

ParsedChecksumList parseChecksumList(std::string_view text) {
    ParsedChecksumList parsed;
    std::optional<FileStamp> stamp;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        // Written with CR LF by an editor; a carriage return of a path is escaped.
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (line.starts_with(stampMark)) {
            stamp = stampOf(line);
            if (!stamp)
                parsed.damagedLines.push_back(number);
            continue;
        }
        if (line.starts_with('#'))
            continue;
        auto file = fileLineOf(line);
        if (!file || parsed.entries.contains(file->first)) {
            parsed.damagedLines.push_back(number);
            continue;
        }
        parsed.entries.emplace(std::move(file->first), ChecksumEntry{file->second, stamp});
        stamp.reset();
    }
    return parsed;
}

std::string escapedListPath(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (const char c : path) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string checksumListText(const ChecksumList& list) {
    std::string text(header);
    for (const auto& [path, entry] : list) {
        if (entry.stamp)
            text.append(stampMark)
                .append(std::to_string(entry.stamp->size))
                .append(" ")
                .append(std::to_string(entry.stamp->modifiedNs))
                .append("\n");
        const std::string escaped = escapedListPath(path);
        if (escaped.size() != path.size())
            text += '\\';
        text.append(hexOf(entry.digest)).append("  ").append(escaped).append("\n");
    }
    return text;
}

std::string listPathOf(const PathStyle& style, std::string_view destinationFolder,
                       std::string_view file) {
    std::string path(file.substr(std::min(destinationFolder.size(), file.size())));
    if (style.separator() != '/')
        for (char& c : path)
            if (c == style.separator())
                c = '/';
    return path;
}

std::string filePathOf(const PathStyle& style, std::string_view destinationFolder,
                       std::string_view listPath) {
    std::string path(destinationFolder);
    path.append(listPath);
    if (style.separator() != '/')
        for (char& c : path)
            if (c == '/')
                c = style.separator();
    return path;
}

} // namespace tidecopy
