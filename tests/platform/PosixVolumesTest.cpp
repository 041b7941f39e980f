#include "platform/posix/PosixVolumes.h"

#include "platform/Volumes.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(MountTable, KeepsRealFileSystemsInOrderWithEscapesUndone) {
    const char* table = "sysfs /sys sysfs rw,nosuid 0 0\n"
                        "/dev/vda / ext4 rw,relatime 0 0\n"
                        "proc /proc proc rw 0 0\n"
                        "tmpfs /run tmpfs rw 0 0\n"
                        "/dev/sdb1 /media/My\\040Stick vfat ro,nosuid 0 0\n"
                        "/dev/sdc1 /mnt/data ext4 rw 0 0\n"
                        "/dev/sdd1 /mnt/data xfs rw 0 0\n"
                        "garbage\n";
    const std::vector<Volume> volumes = parseMountTable(table);
    ASSERT_EQ(volumes.size(), 3u);
    EXPECT_EQ(volumes[0].mountPoint, "/");
    EXPECT_FALSE(volumes[0].readOnly);
    EXPECT_EQ(volumes[1].mountPoint, "/media/My Stick");
    EXPECT_EQ(volumes[1].fileSystemType, "vfat");
    EXPECT_TRUE(volumes[1].readOnly);
    // Mounted over: the later mount is the one in force.
    EXPECT_EQ(volumes[2].mountPoint, "/mnt/data");
    EXPECT_EQ(volumes[2].fileSystemType, "xfs");
    // Where a tree must stay on one file system every mount counts, pseudo ones too.
    EXPECT_EQ(parseMountPoints(table),
              (std::vector<std::string>{"/sys", "/", "/proc", "/run", "/media/My Stick",
                                        "/mnt/data", "/mnt/data"}));
}

TEST(MountTable, VolumeHoldingPicksTheLongestMountPoint) {
    const std::vector<Volume> volumes = parseMountTable("/dev/a / ext4 rw 0 0\n"
                                                        "/dev/b /media ext4 rw 0 0\n"
                                                        "/dev/c /media/usb vfat rw 0 0\n");
    EXPECT_EQ(volumeHolding(volumes, "/media/usb/backup")->mountPoint, "/media/usb");
    EXPECT_EQ(volumeHolding(volumes, "/media/usb")->mountPoint, "/media/usb");
    EXPECT_EQ(volumeHolding(volumes, "/media/usbstick")->mountPoint, "/media");
    EXPECT_EQ(volumeHolding(volumes, "/home")->mountPoint, "/");
    EXPECT_EQ(volumeHolding({}, "/home"), nullptr);
}

} // namespace
} // namespace tidecopy
