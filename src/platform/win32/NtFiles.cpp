#include "platform/win32/NtFiles.h"

#include "platform/Errors.h"
#include "platform/win32/Win32Errors.h"

#include <cstddef>
#include <cstring>
#include <vector>
#include <winternl.h>

namespace tidecopy {

namespace {

constexpr ULONG fileOpenReparsePoint = 0x00200000;
constexpr ULONG fileSynchronousIoNonalert = 0x00000020;

UNICODE_STRING unicodeStringOf(std::wstring_view text) {
    UNICODE_STRING string;
    string.Buffer = const_cast<PWSTR>(text.data());
    string.Length = static_cast<USHORT>(text.size() * sizeof(wchar_t));
    string.MaximumLength = string.Length;
    return string;
}

} // namespace

std::error_code openRelative(HANDLE folder, std::wstring_view name, const RelativeOpen& how,
                             ScopedHandle& opened) {
    if (name.empty() || name.size() > 32767)
        return std::make_error_code(std::errc::invalid_argument);
    UNICODE_STRING objectName = unicodeStringOf(name);
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &objectName, OBJ_CASE_INSENSITIVE, folder, nullptr);
    IO_STATUS_BLOCK status{};
    HANDLE handle = nullptr;
    const NTSTATUS result =
        ::NtCreateFile(&handle, how.access | SYNCHRONIZE, &attributes, &status, nullptr,
                       how.attributes, how.share, how.disposition,
                       how.options | fileOpenReparsePoint | fileSynchronousIoNonalert, nullptr, 0);
    if (!NT_SUCCESS(result))
        return errorFromStatus(result);
    opened = ScopedHandle(handle);
    return {};
}

std::error_code giveName(HANDLE file, NameChange change, HANDLE folder, std::wstring_view name,
                         bool replaceExisting) {
    // Both records have the same layout: the flag, the root, the name's length and the name.
    static_assert(offsetof(FILE_RENAME_INFORMATION, FileName) ==
                  offsetof(FILE_LINK_INFORMATION, FileName));
    const std::size_t nameBytes = name.size() * sizeof(wchar_t);
    std::vector<std::byte> buffer(offsetof(FILE_RENAME_INFORMATION, FileName) + nameBytes +
                                  sizeof(wchar_t));
    auto* record = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
    record->ReplaceIfExists = replaceExisting ? TRUE : FALSE;
    record->RootDirectory = folder;
    record->FileNameLength = static_cast<ULONG>(nameBytes);
    std::memcpy(record->FileName, name.data(), nameBytes);
    IO_STATUS_BLOCK status{};
    const NTSTATUS result = ::NtSetInformationFile(
        file, &status, record, static_cast<ULONG>(buffer.size()),
        change == NameChange::Rename ? FileRenameInformation : FileLinkInformation);
    return NT_SUCCESS(result) ? std::error_code{} : errorFromStatus(result);
}

std::error_code removeWhenClosed(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    if (::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition))
        return {};
    return lastNativeError();
}

} // namespace tidecopy
