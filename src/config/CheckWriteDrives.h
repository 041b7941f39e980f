#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Volumes.h"

#include <string>

namespace tidecopy {

// The mount point of a drive the program can write to, other than the one holding the
// program folder, or empty text. The candidates are the first two writable volumes; each
// is probed by creating and deleting "tmp.tmp" in its root. A "tmp.tmp" already there
// fails the probe rather than being deleted.
std::string CheckWriteDrives(FileSystem& fs, Volumes& volumes, const std::string& programFolder,
                             const PathStyle& style = PathStyle::native());

} // namespace tidecopy
