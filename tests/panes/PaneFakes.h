#pragma once

#include "panes/DisplayFormats.h"
#include "platform/Shell.h"
#include "platform/Volumes.h"

#include <map>
#include <string>
#include <vector>

namespace tidecopy::test {

// Volumes that are folders of the test's temporary folder, with planted free space.
class PaneVolumes : public Volumes {
public:
    std::vector<Volume> volumes;
    std::map<std::string, SpaceInfo> spaces;

    void add(std::string mountPoint, std::string label = {}, SpaceInfo space = {}) {
        Volume volume;
        volume.mountPoint = mountPoint;
        volume.fileSystemType = "ext4";
        volume.label = std::move(label);
        spaces[mountPoint] = space;
        volumes.push_back(std::move(volume));
    }
    std::vector<Volume> list() override { return volumes; }
    Result<SpaceInfo> space(const std::string& path) override {
        const Volume* volume = volumeHolding(volumes, path);
        if (volume == nullptr)
            return std::make_error_code(std::errc::no_such_device);
        return spaces[volume->mountPoint];
    }
};

// Records the documents it is asked to open; starts nothing.
class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    std::error_code failure;
    std::error_code openDocument(const std::string& path) override {
        opened.push_back(path);
        return failure;
    }
};

// Dates as whole seconds since the epoch, so texts can be asserted verbatim.
inline DisplayFormats fixedFormats() {
    DisplayFormats formats;
    formats.generalDate = [](std::int64_t ns) {
        return "T" + std::to_string(ns / 1'000'000'000);
    };
    return formats;
}

} // namespace tidecopy::test
