#pragma once

#include "panes/DisplayFormats.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tidecopy {

// "report.txt 21/06/2016 14:03:07 - 13kB": a file's name, cut to intLimitLength
// characters with "..." when intLimitLength is above 3, its modification time as the
// locale's general date and its size as bytes / 1024 + 1 kilobytes (not rounded up).
std::string fileInfoText(std::string_view strFile, int intLimitLength, const std::string& date,
                         std::uint64_t sizeBytes);

// The same for the file strFile of the folder strPath. A file that can no longer be read
// shows its name alone.
std::string GetFileSizeDateTime(FileSystem& fs, const PathStyle& style, const std::string& strPath,
                                const std::string& strFile, int intLimitLength,
                                const DisplayFormats& formats);

} // namespace tidecopy
