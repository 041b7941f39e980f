#pragma once

#include "engine/LogSink.h"
#include "engine/RunControl.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tidecopy {

struct CopiedFile {
    std::string source;
    std::string target;
};

struct IntegrityResult {
    std::size_t verified = 0;
    std::size_t failed = 0;
    bool cancelled = false;
};

// Reads every file a run copied back from the disk and compares it with its source.
// Each file that differs or cannot be read gets its own log line; the block ends with a
// line of totals. Cancel stops before the next file.
IntegrityResult checkIntegrity(FileSystem& fs, const PathStyle& style,
                               const std::vector<CopiedFile>& copied, const LogSink& log,
                               const RunControl& control);

} // namespace tidecopy
