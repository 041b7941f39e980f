#pragma once

#include "platform/Disks.h"

#include <array>
#include <string>
#include <vector>

namespace tidecopy {

// The four options of the format dialog (frmFormat's Option1): drive A:, drive B:, the
// optical drive and a memory stick or card, each with the device it formats.
namespace FormatOption {
inline constexpr int DriveA = 0;
inline constexpr int DriveB = 1;
inline constexpr int Optical = 2;
inline constexpr int MemoryStick = 3;
} // namespace FormatOption

struct FormatChoices {
    std::array<bool, 4> enabled{};
    std::array<std::string, 4> captions;
    std::array<std::string, 4> devices; // empty where no device was found (CDDrive, USBDrive)
};

// Whether the dialog may offer a device: a floppy, optical or removable one that holds no
// mounted folder of the system (the root, /boot, /usr, /var, /home, ...).
bool offeredForFormat(const DiskDevice& device);

// The options as the dialog opens, from the devices in the disk service's order: the
// first and second floppy drive are A: and B:, the last optical drive and the last other
// removable device that may be offered fill the other two. "DVD/CD" is always enabled.
FormatChoices formatChoices(const std::vector<DiskDevice>& devices);

} // namespace tidecopy
