#pragma once

#include "platform/OpenHandles.h"
#include "platform/Result.h"

namespace tidecopy {

// A new, empty temporary file of ours in the folder, open for writing and locked.
Result<TemporaryFile> createLockedTemporary(const OpenFolder& folder);

} // namespace tidecopy
