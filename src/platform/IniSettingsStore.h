#pragma once

#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"

#include <map>
#include <string>

namespace tidecopy {

// SettingsStore kept as one INI file per application ("<folder>/<application>.ini",
// "[section]" headers, "key=value" lines). Every save rewrites the file atomically.
class IniSettingsStore : public SettingsStore {
public:
    IniSettingsStore(FileSystem& fs, std::string folder);

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue) override;
    std::error_code save(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& value) override;
    std::error_code remove(const std::string& application, const std::string& section,
                           const std::string& key) override;

    std::string filePath(const std::string& application) const;

private:
    using Sections = std::map<std::string, std::map<std::string, std::string>>;
    Sections read(const std::string& application);
    std::error_code write(const std::string& application, const Sections& sections);

    FileSystem& m_fs;
    std::string m_folder;
};

} // namespace tidecopy
