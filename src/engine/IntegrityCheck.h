#pragma once

#include "engine/LogSink.h"
#include "engine/RunControl.h"
#include "engine/Sha256.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstddef>
#include <functional>
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

// The digest of a copy's bytes as they were read back, for a copy that matched its source.
using CopyDigestSink = std::function<void(const CopiedFile& file, const Sha256Digest& digest)>;

// Reads every file a run copied back from the disk and compares it with its source.
// Each file that differs or cannot be read gets its own log line; the block ends with a
// line of totals. Cancel stops before the next file. With digests set, the same read
// hashes each copy.
IntegrityResult checkIntegrity(FileSystem& fs, const PathStyle& style,
                               const std::vector<CopiedFile>& copied, const LogSink& log,
                               const RunControl& control, const CopyDigestSink& digests = {});

} // namespace tidecopy
