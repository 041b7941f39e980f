#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tidecopy {

// "1,234,567": a number with its digits grouped in threes by separator.
std::string groupedDigits(std::uint64_t number, std::string_view separator);

// "1,234Mb": the size of the files directly inside a folder. The unit switches to "Gb"
// once the total reaches a million kilobytes (of 1024 bytes). The figures follow the
// units as the free-space text uses them, Mb = 10^6 and Gb = 10^9 bytes, rounded to the
// nearest whole number, digits grouped by thousandsSeparator.
std::string dirSizeText(std::uint64_t totalBytes, std::string_view thousandsSeparator);

// The size text of the entries of folder that are not folders (sub-folders are not
// entered; hidden and system files count). An unreadable folder counts as 0 bytes.
std::string GetDirSize(FileSystem& fs, const PathStyle& style, const std::string& folder,
                       std::string_view thousandsSeparator);

} // namespace tidecopy
