#pragma once

#include "engine/RunControl.h"
#include "platform/FileSystem.h"

#include <string>

namespace tidecopy {

enum class VerifyResult { Verified, Differs, Unreadable };

// The integrity check of a copied file: the destination is written through and dropped
// from the cache first, so its bytes come from the disk, not from what was just written.
// A link is compared by its target text. A cancelled check answers Unreadable. The bytes
// read back from the disk go to targetBytes when it is set (never a link's).
VerifyResult verifyCopy(FileSystem& fs, const std::string& source, const std::string& target,
                        const RunControl& control = {},
                        const FileSystem::ByteSink& targetBytes = {});

} // namespace tidecopy
