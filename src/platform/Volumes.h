#pragma once

#include "platform/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tidecopy {

// A mounted volume of a real file system (a "drive" of the product).
struct Volume {
    std::string mountPoint; // "/", "/media/usb"; "C:\" on Windows
    std::string device;
    std::string fileSystemType;
    std::string label; // empty when none is known
    bool readOnly = false;
    // A spinning disk, as far as the system tells: reading many files at once only makes
    // its head jump between them.
    bool rotational = false;
};

struct SpaceInfo {
    std::uint64_t freeBytes = 0; // available to the caller
    std::uint64_t totalBytes = 0;
};

class Volumes {
public:
    virtual ~Volumes() = default;
    // In mount order, pseudo file systems left out.
    virtual std::vector<Volume> list() = 0;
    virtual Result<SpaceInfo> space(const std::string& path) = 0;
    // Every mount point in force, pseudo file systems and bind mounts included: where a
    // folder tree ends for whatever must stay on one file system.
    virtual std::vector<std::string> mountPoints() = 0;
};

// The volume whose mount point is the longest prefix of path; nullptr when none.
const Volume* volumeHolding(const std::vector<Volume>& volumes, const std::string& path);

} // namespace tidecopy
