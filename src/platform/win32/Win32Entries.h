#pragma once

#include "platform/FileAttributes.h"
#include "platform/Result.h"

#include <cstdint>
#include <string_view>
#include <windows.h>

namespace tidecopy {

// What the system says about an entry, turned into the product's terms once, here.

// FILETIME ticks (100 ns since 1601) and nanoseconds since the Unix epoch.
std::int64_t nanosecondsOfTicks(std::int64_t ticks);
std::int64_t ticksOfNanoseconds(std::int64_t nanoseconds);

// A symbolic link or junction counts as a link (never followed, as on POSIX); other reparse
// points (deduplicated or cloud files) are the files and folders they stand for.
EntryType entryTypeOf(DWORD attributes, DWORD reparseTag);

EntryInfo entryInfoOf(DWORD attributes, DWORD reparseTag, std::uint64_t size,
                      std::int64_t modifiedTicks);
FolderEntry folderEntryOf(std::wstring_view name, DWORD attributes, DWORD reparseTag);

// The entry behind an open handle.
Result<EntryInfo> entryInfoOfHandle(HANDLE handle);

} // namespace tidecopy
