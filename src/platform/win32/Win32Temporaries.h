#pragma once

#include "platform/OpenHandles.h"
#include "platform/Result.h"

namespace tidecopy {

// A new, empty temporary file of ours in the folder, open for writing and locked for as long
// as its handle stays open.
Result<TemporaryFile> createLockedTemporary(const OpenFolder& folder);

} // namespace tidecopy
