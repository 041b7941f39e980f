#pragma once

#include "platform/SettingsStore.h"

#include <string>
#include <windows.h>

namespace tidecopy {

// The per-user settings store in the registry, the Windows way: the value "key" of
// HKEY_CURRENT_USER\Software\<application>\<section> (tests give another base key).
// Values are text (REG_SZ).
class Win32RegistryStore : public SettingsStore {
public:
    explicit Win32RegistryStore(HKEY root = HKEY_CURRENT_USER, std::wstring base = L"Software");

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue) override;
    std::error_code save(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& value) override;
    std::error_code remove(const std::string& application, const std::string& section,
                           const std::string& key) override;

private:
    std::wstring keyPath(const std::string& application, const std::string& section) const;

    HKEY m_root;
    std::wstring m_base;
};

// A text value of the registry as the product reads one: a string as it stands, a 32-bit
// number as its decimal text; empty when the key or value is missing or of another type.
std::string readRegistryText(HKEY root, const std::wstring& key, const std::wstring& value);

} // namespace tidecopy
