#pragma once

#include <string>
#include <system_error>

namespace tidecopy {

// The per-user key/value store, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& defaultValue) = 0;
    virtual std::error_code save(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& value) = 0;
    virtual std::error_code remove(const std::string& application, const std::string& section,
                                   const std::string& key) = 0;
};

} // namespace tidecopy
