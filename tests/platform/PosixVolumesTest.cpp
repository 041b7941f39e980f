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
                        "/dev/sde1 /mnt/it\\047s ext4 rw 0 0\n"
                        "garbage\n";
    const std::vector<Volume> volumes = parseMountTable(table);
    ASSERT_EQ(volumes.size(), 4u);
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
                                        "/mnt/data", "/mnt/data", "/mnt/it's"}));
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

// Labels are the names of the links to a volume's device in the label folder, udev's
// escapes undone and hidden names left out; free space comes from the volume of a path.
TEST(PosixVolumes, LabelsComeFromTheLabelFolderAndSpaceFromThePath) {
    test::TempFolder temp;
    const std::string device = temp.writeFile("dev/sdz1", "");
    temp.writeFile("mounts", device + " /mnt/z ext4 rw 0 0\n/dev/none /mnt/n ext4 rw 0 0\n");
    temp.makeFolder("labels");
    std::filesystem::create_symlink(device, temp / "labels/.hidden");
    std::filesystem::create_symlink(device, temp / "labels/My\\x20Stick");
    PosixVolumes volumes(temp / "mounts", temp / "labels");
    const std::vector<Volume> list = volumes.list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].label, "My Stick");
    EXPECT_EQ(list[1].label, "");
    EXPECT_EQ(volumes.mountPoints(), (std::vector<std::string>{"/mnt/z", "/mnt/n"}));
    const Result<SpaceInfo> space = volumes.space(temp.path());
    ASSERT_TRUE(space.ok());
    EXPECT_GT(space->totalBytes, 0u);
    EXPECT_FALSE(volumes.space(temp / "missing").ok());
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
