#pragma once

#include "platform/FileSystem.h"
#include "platform/Result.h"
#include "platform/Sha256.h"

#include <optional>
#include <string>
#include <string_view>

namespace tidecopy {

// 64 lower-case hex digits, as sha256sum writes them.
std::string hexOf(const Sha256Digest& digest);
// Either case; nullopt for anything but 64 hex digits.
std::optional<Sha256Digest> digestOfHex(std::string_view hex);

// The digest of a regular file's bytes, in one read.
Result<Sha256Digest> digestOfFile(FileSystem& fs, const std::string& path,
                                  const FileSystem::CancelCheck& cancelled);

} // namespace tidecopy
