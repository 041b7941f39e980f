#pragma once

#include "platform/PathStyle.h"
#include "platform/Volumes.h"

#include <cstdint>
#include <string>

namespace tidecopy {

// "C: 37 Gb free of 120 Gb": the free-space text of a drive, figures in Mb (10^6 bytes)
// below 1000 Mb and in Gb (10^9 bytes) from there on. driveText starts the text: the
// drive name on Windows, the mount point on POSIX.
std::string freeSpaceText(const std::string& driveText, std::uint64_t freeBytes,
                          std::uint64_t totalBytes);

// The free-space text of the volume holding path; a volume that cannot be queried reads
// "0 Mb free of 0 Mb".
std::string GetFreeSpace(Volumes& volumes, const PathStyle& style, const std::string& path);

} // namespace tidecopy
