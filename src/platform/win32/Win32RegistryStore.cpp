#include "platform/win32/Win32RegistryStore.h"

#include "platform/Errors.h"
#include "platform/win32/WideText.h"

#include <vector>

namespace tidecopy {

namespace {

std::error_code errorOf(LSTATUS status) {
    return status == ERROR_SUCCESS ? std::error_code{} : errorFromNative(static_cast<int>(status));
}

// Reads only: the key of another program or the whole machine is never opened for writing.
constexpr REGSAM readAccess = KEY_READ | KEY_WOW64_64KEY;

} // namespace

Win32RegistryStore::Win32RegistryStore(HKEY root, std::wstring base)
    : m_root(root)
    , m_base(std::move(base)) {}

std::wstring Win32RegistryStore::keyPath(const std::string& application,
                                         const std::string& section) const {
    return m_base + L'\\' + widened(application) + L'\\' + widened(section);
}

std::string Win32RegistryStore::get(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) {
    const std::wstring path = keyPath(application, section);
    const std::wstring name = widened(key);
    DWORD bytes = 0;
    if (::RegGetValueW(m_root, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                       &bytes) != ERROR_SUCCESS)
        return defaultValue;
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(m_root, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(),
                       &bytes) != ERROR_SUCCESS)
        return defaultValue;
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0')
        value.pop_back();
    return narrowed(value);
}

std::error_code Win32RegistryStore::save(const std::string& application, const std::string& section,
                                         const std::string& key, const std::string& value) {
    HKEY opened = nullptr;
    if (auto error =
            errorOf(::RegCreateKeyExW(m_root, keyPath(application, section).c_str(), 0, nullptr, 0,
                                      KEY_SET_VALUE, nullptr, &opened, nullptr)))
        return error;
    const std::wstring data = widened(value);
    const std::error_code error = errorOf(::RegSetValueExW(
        opened, widened(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))));
    ::RegCloseKey(opened);
    return error;
}

std::error_code Win32RegistryStore::remove(const std::string& application,
                                           const std::string& section, const std::string& key) {
    const LSTATUS status =
        ::RegDeleteKeyValueW(m_root, keyPath(application, section).c_str(), widened(key).c_str());
    return status == ERROR_FILE_NOT_FOUND ? std::error_code{} : errorOf(status);
}

std::string readRegistryText(HKEY root, const std::wstring& key, const std::wstring& value) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, key.c_str(), 0, readAccess, &opened) != ERROR_SUCCESS)
        return {};
    std::vector<BYTE> data(1024 * sizeof(wchar_t));
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(data.size());
    const LSTATUS status =
        ::RegQueryValueExW(opened, value.c_str(), nullptr, &type, data.data(), &bytes);
    ::RegCloseKey(opened);
    if (status != ERROR_SUCCESS)
        return {};
    if (type == REG_DWORD && bytes == sizeof(DWORD))
        return std::to_string(*reinterpret_cast<const DWORD*>(data.data()));
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return {};
    std::wstring_view text(reinterpret_cast<const wchar_t*>(data.data()), bytes / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.remove_suffix(1);
    return narrowed(text);
}

} // namespace tidecopy
