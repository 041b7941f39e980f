#include "platform/win32/Win32Entries.h"

#include "platform/Errors.h"
#include "platform/win32/WideText.h"

namespace tidecopy {

namespace {

// From 1601-01-01 to 1970-01-01 in FILETIME ticks.
constexpr std::int64_t unixEpochTicks = 116'444'736'000'000'000;
constexpr std::int64_t nanosecondsPerTick = 100;

// The attribute bits of the product are Windows' own.
constexpr DWORD productAttributeBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                       FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY |
                                       FILE_ATTRIBUTE_ARCHIVE;

std::uint32_t productAttributesOf(DWORD attributes, EntryType type) {
    std::uint32_t result = attributes & productAttributeBits;
    // A link is an ordinary file of the listing, as on POSIX, whatever it points to.
    if (type == EntryType::Symlink)
        result = (result & ~FileAttribute::Directory) | FileAttribute::Archive;
    return result;
}

} // namespace

std::int64_t nanosecondsOfTicks(std::int64_t ticks) {
    return (ticks - unixEpochTicks) * nanosecondsPerTick;
}

std::int64_t ticksOfNanoseconds(std::int64_t nanoseconds) {
    // Rounded down to a whole tick, also before 1970.
    std::int64_t ticks = nanoseconds / nanosecondsPerTick;
    if (nanoseconds % nanosecondsPerTick < 0)
        --ticks;
    return ticks + unixEpochTicks;
}

EntryType entryTypeOf(DWORD attributes, DWORD reparseTag) {
    // Wine shows a Unix symbolic link to a folder as a reparse point without a tag.
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
        (reparseTag == 0 || IsReparseTagNameSurrogate(reparseTag)))
        return EntryType::Symlink;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return EntryType::Directory;
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0)
        return EntryType::Other;
    return EntryType::File;
}

EntryInfo entryInfoOf(DWORD attributes, DWORD reparseTag, std::uint64_t size,
                      std::int64_t modifiedTicks) {
    EntryInfo info;
    info.type = entryTypeOf(attributes, reparseTag);
    info.size = info.type == EntryType::Directory ? 0 : size;
    info.modifiedNs = nanosecondsOfTicks(modifiedTicks);
    info.attributes = productAttributesOf(attributes, info.type);
    // The POSIX permission bits a copy takes over: read-only is the one Windows keeps.
    info.permissions = (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0666;
    if (info.type == EntryType::Directory)
        info.permissions |= 0111;
    return info;
}

FolderEntry folderEntryOf(std::wstring_view name, DWORD attributes, DWORD reparseTag) {
    const EntryType type = entryTypeOf(attributes, reparseTag);
    return {narrowed(name), type, productAttributesOf(attributes, type)};
}

Result<EntryInfo> entryInfoOfHandle(HANDLE handle) {
    FILE_BASIC_INFO basic{};
    FILE_STANDARD_INFO standard{};
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) ||
        !::GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard))
        return lastNativeError();
    if ((basic.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
        !::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag))
        return lastNativeError();
    return entryInfoOf(basic.FileAttributes, tag.ReparseTag,
                       static_cast<std::uint64_t>(standard.EndOfFile.QuadPart),
                       basic.LastWriteTime.QuadPart);
}

} // namespace tidecopy
