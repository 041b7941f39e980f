#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace tidecopy {

// A block device as the system's disk service describes it.
struct DiskDevice {
    std::string device;                   // "/dev/sdb1"
    std::vector<std::string> mountPoints; // where its file system is mounted, if anywhere
    bool removable = false;               // on removable media or a hot-pluggable drive
    bool optical = false;                 // a CD, DVD or Blu-ray drive
    bool floppy = false;                  // drive A: and B: of the product
};

// The desktop's tools for drives, which the drive menu starts.
enum class DiskTool { DiskCleanup, Defragmentation, DiskManagement, Format };

// The system's disk service (UDisks2 on Linux) and the desktop's disk tools. The real one
// relabels drives and starts programs, so tests use a fake. Nothing here formats a drive
// itself: Format opens the desktop tool's own format dialog, which asks the user.
class Disks {
public:
    virtual ~Disks() = default;
    // In the service's order; empty when it cannot be reached.
    virtual std::vector<DiskDevice> devices() = 0;
    // Labels the file system mounted at mountPoint; an error when there is none or the
    // service refused.
    virtual std::error_code setLabel(const std::string& mountPoint, const std::string& label) = 0;
    virtual bool hasTool(DiskTool tool) = 0;
    // Starts the tool on its own, without waiting; Format opens it on device.
    virtual std::error_code startTool(DiskTool tool, const std::string& device) = 0;
};

} // namespace tidecopy
