#pragma once

#include "platform/Volumes.h"

namespace tidecopy {

// The drive letters (GetLogicalDriveStrings) with their labels and file systems, and the
// space of a volume (GetDiskFreeSpaceEx). Drives without a medium are listed too, as the
// drive list shows them; their label and file system stay empty.
class Win32Volumes : public Volumes {
public:
    std::vector<Volume> list() override;
    Result<SpaceInfo> space(const std::string& path) override;
    // The drive roots; folders mounted into another volume's tree are not looked for.
    std::vector<std::string> mountPoints() override;
};

} // namespace tidecopy
