#include "platform/posix/PosixVolumes.h"

#include "platform/Volumes.h"
#include "support/TempFolder.h"

#include <filesystem>
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

// A partition has no queue of its own in sysfs: its disk's tells whether it spins.
TEST(PosixVolumesList, RotationalComesFromTheDisksQueue) {
    test::TempFolder temp;
    temp.writeFile("devices/vdz/queue/rotational", "1\n");
    temp.writeFile("devices/nvz0n1/queue/rotational", "0\n");
    temp.makeFolder("devices/vdz/vdz1");
    temp.makeFolder("devices/nvz0n1/nvz0n1p2");
    temp.makeFolder("block");
    for (const char* partition : {"vdz/vdz1", "nvz0n1/nvz0n1p2", "vdz"})
        std::filesystem::create_directory_symlink(
            temp / ("devices/" + std::string(partition)),
            temp / ("block/" + std::filesystem::path(partition).filename().string()));
    temp.writeFile("mounts", "/dev/vdz1 / ext4 rw 0 0\n"
                             "/dev/nvz0n1p2 /home ext4 rw 0 0\n"
                             "/dev/vdz /media/whole ext4 rw 0 0\n"
                             "server:/export /mnt/share nfs rw 0 0\n");
    PosixVolumes volumes(temp / "mounts", temp / "labels", temp / "block");
    std::vector<std::pair<std::string, bool>> seen;
    for (const Volume& volume : volumes.list())
        seen.emplace_back(volume.mountPoint, volume.rotational);
    EXPECT_EQ(seen,
              (std::vector<std::pair<std::string, bool>>{
                  {"/", true}, {"/home", false}, {"/media/whole", true}, {"/mnt/share", false}}));
}

} // namespace
} // namespace tidecopy
