#include "support/SystemFiles.h"

#include "platform/win32/WideText.h"

#include <stdexcept>
#include <windows.h>

namespace tidecopy::test {

namespace {

constexpr std::int64_t unixEpochTicks = 116'444'736'000'000'000;

DWORD attributesOf(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(extendedPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        throw std::runtime_error("cannot look at " + path);
    return attributes;
}

void addAttributes(const std::string& path, DWORD added) {
    if (!::SetFileAttributesW(extendedPath(path).c_str(), attributesOf(path) | added))
        throw std::runtime_error("cannot set the attributes of " + path);
}

} // namespace

void setModifiedNs(const std::string& path, std::int64_t ns) {
    const HANDLE file = ::CreateFileW(
        extendedPath(path).c_str(), FILE_WRITE_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    FILE_BASIC_INFO basic{};
    basic.LastWriteTime.QuadPart = ns / 100 + unixEpochTicks;
    const bool set = file != INVALID_HANDLE_VALUE &&
                     ::SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    if (!set)
        throw std::runtime_error("cannot set the time of " + path);
}

std::int64_t modifiedNs(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(extendedPath(path).c_str(), GetFileExInfoStandard, &data))
        throw std::runtime_error("cannot look at " + path);
    const auto ticks = (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                       data.ftLastWriteTime.dwLowDateTime;
    return (ticks - unixEpochTicks) * 100;
}

std::uint32_t permissionsOf(const std::string& path) {
    return (attributesOf(path) & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0666;
}

void makeReadOnly(const std::string& path) {
    addAttributes(path, FILE_ATTRIBUTE_READONLY);
}

void makeHidden(const std::string& path) {
    addAttributes(path, FILE_ATTRIBUTE_HIDDEN);
}

void makeSystemEntry(const std::string& path) {
    const HANDLE file = ::CreateFileW(extendedPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_SYSTEM, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot make the system file " + path);
    ::CloseHandle(file);
}

std::vector<std::string> unusualNames() {
    return {"\xc3\xa9t\xc3\xa9 \xe2\x82\xac", "smile \xf0\x9f\x98\x80", "a;b,c=d [e]",
            std::string(255, 'n')};
}

std::size_t openHandles() {
    DWORD count = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &count);
    return count;
}

// Wine answers success without making the link; a Windows without the right refuses.
bool makeSymlink(const std::string& target, const std::string& path) {
    const std::wstring link = extendedPath(path);
    ::CreateSymbolicLinkW(link.c_str(), widened(target).c_str(),
                          SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    return ::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace tidecopy::test
