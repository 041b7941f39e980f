#pragma once

#include "platform/OpenHandles.h"
#include "platform/Result.h"

#include <sys/types.h>

namespace tidecopy {

// A new, empty temporary file of ours in the folder, open for writing and locked; device
// becomes the file system it is on.
Result<TemporaryFile> createLockedTemporary(const OpenFolder& folder, dev_t& device);

} // namespace tidecopy
