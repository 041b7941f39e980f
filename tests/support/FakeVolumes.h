#pragma once

#include "platform/Volumes.h"

#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace tidecopy::test {

// Volumes that are folders of the test's temporary folder, with planted free space. A
// path on no volume has no space to tell.
class FakeVolumes : public Volumes {
public:
    std::vector<Volume> volumes;
    std::vector<std::string> otherMounts; // bind mounts, pseudo file systems
    std::map<std::string, SpaceInfo> spaces;

    void add(std::string mountPoint, std::string label = {}, SpaceInfo space = {}) {
        Volume volume;
        volume.mountPoint = mountPoint;
        volume.fileSystemType = "ext4";
        volume.label = std::move(label);
        spaces[mountPoint] = space;
        volumes.push_back(std::move(volume));
    }
    void addReadOnly(std::string mountPoint) {
        add(std::move(mountPoint));
        volumes.back().readOnly = true;
    }

    std::vector<Volume> list() override { return volumes; }
    std::vector<std::string> mountPoints() override {
        std::vector<std::string> points = otherMounts;
        for (const Volume& volume : volumes)
            points.push_back(volume.mountPoint);
        return points;
    }
    Result<SpaceInfo> space(const std::string& path) override {
        const Volume* volume = volumeHolding(volumes, path);
        if (volume == nullptr)
            return std::make_error_code(std::errc::no_such_device);
        return spaces[volume->mountPoint];
    }
};

} // namespace tidecopy::test
