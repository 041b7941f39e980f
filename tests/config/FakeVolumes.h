#pragma once

#include "platform/Volumes.h"

#include <system_error>
#include <vector>

namespace tidecopy::test {

// Volumes that are folders of the test's temporary folder.
class FakeVolumes : public Volumes {
public:
    std::vector<Volume> volumes;

    void add(std::string mountPoint, bool readOnly = false) {
        Volume volume;
        volume.mountPoint = std::move(mountPoint);
        volume.fileSystemType = "ext4";
        volume.readOnly = readOnly;
        volumes.push_back(std::move(volume));
    }
    std::vector<Volume> list() override { return volumes; }
    Result<SpaceInfo> space(const std::string&) override {
        return std::make_error_code(std::errc::not_supported);
    }
};

} // namespace tidecopy::test
