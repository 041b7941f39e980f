#pragma once

#include "platform/Disks.h"

#include <set>
#include <string>
#include <vector>

namespace tidecopy::test {

// Devices and tools a test plants; records what it was asked ("label /mnt x", "start 3
// /dev/sdb1") and changes nothing.
class FakeDisks : public Disks {
public:
    std::vector<DiskDevice> present;
    std::set<DiskTool> tools;
    std::error_code labelAnswer;
    std::vector<std::string> requests;

    std::vector<DiskDevice> devices() override { return present; }
    std::error_code setLabel(const std::string& mountPoint, const std::string& label) override {
        requests.push_back("label " + mountPoint + " " + label);
        return labelAnswer;
    }
    bool hasTool(DiskTool tool) override { return tools.count(tool) == 1; }
    std::error_code startTool(DiskTool tool, const std::string& device) override {
        requests.push_back("start " + std::to_string(static_cast<int>(tool)) + " " + device);
        return hasTool(tool) ? std::error_code{}
                             : std::make_error_code(std::errc::function_not_supported);
    }
};

} // namespace tidecopy::test
