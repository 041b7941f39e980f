#include "platform/IniSettingsStore.h"

#include "platform/PathStyle.h"

#include <sstream>

namespace tidecopy {

namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

// Keys and values stay on one line whatever the caller stores.
std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

} // namespace

IniSettingsStore::IniSettingsStore(FileSystem& fs, std::string folder)
    : m_fs(fs)
    , m_folder(std::move(folder)) {}

std::string IniSettingsStore::filePath(const std::string& application) const {
    return PathStyle::native().join(m_folder, application + ".ini");
}

IniSettingsStore::Sections IniSettingsStore::read(const std::string& application) {
    Sections sections;
    auto contents = m_fs.readWholeFile(filePath(application));
    if (!contents)
        return sections;
    std::istringstream lines(contents.value());
    std::string line, section;
    while (std::getline(lines, line)) {
        const std::string text = trimmed(line);
        if (text.empty() || text.front() == ';' || text.front() == '#')
            continue;
        if (text.front() == '[' && text.back() == ']') {
            section = unescaped(text.substr(1, text.size() - 2));
            continue;
        }
        const auto equals = text.find('=');
        if (equals == std::string::npos)
            continue;
        sections[section][unescaped(trimmed(text.substr(0, equals)))] =
            unescaped(text.substr(equals + 1));
    }
    return sections;
}

std::error_code IniSettingsStore::write(const std::string& application, const Sections& sections) {
    std::string out;
    for (const auto& [section, values] : sections) {
        if (values.empty())
            continue;
        out += "[" + escaped(section) + "]\n";
        for (const auto& [key, value] : values)
            out += escaped(key) + "=" + escaped(value) + "\n";
        out += "\n";
    }
    m_fs.createFolder(m_folder); // already there in the usual case
    return m_fs.writeWholeFileAtomically(filePath(application), out);
}

std::string IniSettingsStore::get(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& defaultValue) {
    const Sections sections = read(application);
    const auto s = sections.find(section);
    if (s == sections.end())
        return defaultValue;
    const auto k = s->second.find(key);
    return k == s->second.end() ? defaultValue : k->second;
}

std::error_code IniSettingsStore::save(const std::string& application, const std::string& section,
                                       const std::string& key, const std::string& value) {
    Sections sections = read(application);
    sections[section][key] = value;
    return write(application, sections);
}

std::error_code IniSettingsStore::remove(const std::string& application, const std::string& section,
                                         const std::string& key) {
    Sections sections = read(application);
    const auto s = sections.find(section);
    if (s == sections.end() || s->second.erase(key) == 0)
        return {};
    return write(application, sections);
}

} // namespace tidecopy
