#pragma once

#include "platform/Disks.h"

namespace tidecopy {

// The disk service of a Linux desktop: the devices and labels of UDisks2 over the system
// bus, and the first installed of a short list of desktop tools per job (a disk usage
// analyser for the clean-up, the desktop's disk tool for disk management and formatting;
// no defragmenter is known). Tools are started detached with their arguments, never
// through a shell; nothing here writes to a disk itself. Safe to use from a job's thread.
class QtDisks : public Disks {
public:
    QtDisks();
    std::vector<DiskDevice> devices() override;
    std::error_code setLabel(const std::string& mountPoint, const std::string& label) override;
    bool hasTool(DiskTool tool) override;
    std::error_code startTool(DiskTool tool, const std::string& device) override;
};

} // namespace tidecopy
