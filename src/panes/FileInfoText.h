#pragma once

#include "platform/DisplayFormats.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tidecopy {

// "report.txt 21/06/2016 14:03:07 - 13kB": a file's name, cut to limitLength
// characters with "..." when limitLength is above 3, its modification time as the
// locale's general date and its size as bytes / 1024 + 1 kilobytes (not rounded up).
std::string fileInfoText(std::string_view name, int limitLength, const std::string& date,
                         std::uint64_t sizeBytes);

// The same for the file name of the folder folder, its time in the clock's local time
// zone. A file that can no longer be read shows its name alone.
std::string GetFileSizeDateTime(FileSystem& fs, const PathStyle& style, const std::string& folder,
                                const std::string& name, int limitLength, const Clock& clock,
                                const DisplayFormats& formats);

} // namespace tidecopy
