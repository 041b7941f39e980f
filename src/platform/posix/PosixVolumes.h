#pragma once

#include "platform/Volumes.h"

#include <string>
#include <string_view>

namespace tidecopy {

// Volumes from a mount table (/proc/self/mounts), their labels from udev's links, whether
// they spin from the block devices' queues in sysfs, and their space from statvfs.
class PosixVolumes : public Volumes {
public:
    explicit PosixVolumes(std::string mountTable = "/proc/self/mounts",
                          std::string labelFolder = "/dev/disk/by-label",
                          std::string blockFolder = "/sys/class/block");
    std::vector<Volume> list() override;
    std::vector<std::string> mountPoints() override;
    Result<SpaceInfo> space(const std::string& path) override;

private:
    std::string m_mountTable;
    std::string m_labelFolder;
    std::string m_blockFolder;
};

// The real file systems of a mount table's text, in its order; a mount point mounted
// twice keeps its last entry (the one in force).
std::vector<Volume> parseMountTable(std::string_view text);
// Every mount point of a mount table's text, pseudo file systems and bind mounts included.
std::vector<std::string> parseMountPoints(std::string_view text);
bool isPseudoFileSystem(std::string_view type);

} // namespace tidecopy
