#include "panes/FormatChoices.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tidecopy {

namespace {

bool isSystemFolder(std::string_view mountPoint) {
    static constexpr std::array<std::string_view, 8> system = {"/boot", "/usr", "/var", "/home",
                                                               "/etc",  "/opt", "/srv", "/root"};
    if (mountPoint == "/")
        return true;
    return std::any_of(system.begin(), system.end(), [&](std::string_view folder) {
        return mountPoint == folder ||
               (mountPoint.starts_with(folder) && mountPoint[folder.size()] == '/');
    });
}

} // namespace

bool offeredForFormat(const DiskDevice& device) {
    return (device.removable || device.optical || device.floppy) &&
           std::none_of(device.mountPoints.begin(), device.mountPoints.end(),
                        [](const std::string& mountPoint) { return isSystemFolder(mountPoint); });
}

FormatChoices formatChoices(const std::vector<DiskDevice>& devices) {
    using namespace FormatOption;
    FormatChoices choices;
    choices.captions = {"Drive A:", "Drive B:", "DVD/CD", "Memory stick/card"};
    int floppies = 0;
    for (const DiskDevice& device : devices) {
        if (!offeredForFormat(device))
            continue;
        int option = MemoryStick;
        if (device.floppy) {
            if (floppies > 1)
                continue;
            option = floppies++ == 0 ? DriveA : DriveB;
        } else if (device.optical) {
            option = Optical;
        }
        choices.enabled[option] = true;
        choices.devices[option] = device.device;
    }
    choices.enabled[Optical] = true;
    choices.captions[Optical] += " " + choices.devices[Optical];
    if (choices.enabled[MemoryStick])
        choices.captions[MemoryStick] += " " + choices.devices[MemoryStick];
    return choices;
}

} // namespace tidecopy
