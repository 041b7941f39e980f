#include "config/CheckWriteDrives.h"

#include "support/CaseName.h"
#include "support/FakeVolumes.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tidecopy;
using namespace tidecopy::test;

namespace {

struct DriveCase {
    const char* name;
    std::vector<std::string> failingProbes;  // volumes whose probe cannot be created
    std::vector<std::string> existingProbes; // volumes with a tmp.tmp of the user's
    std::string expected;                    // volume name, empty for none
    int probes;
};

// Five volumes: the program's own, a read-only one and three writable spares.
class CheckWriteDrivesTest : public ::testing::TestWithParam<DriveCase> {
protected:
    CheckWriteDrivesTest() {
        programFolder = tmp.makeFolder("system/opt/tidecopy");
        volumes.add(tmp / "system");
        volumes.addReadOnly(tmp.makeFolder("cdrom"));
        volumes.add(tmp.makeFolder("usb"));
        volumes.add(tmp.makeFolder("backup"));
        volumes.add(tmp.makeFolder("spare"));
    }
    TempFolder tmp;
    FaultyFileSystem fs;
    FakeVolumes volumes;
    std::string programFolder;
};

TEST_P(CheckWriteDrivesTest, ProbesTheFirstTwoWritableOtherVolumes) {
    const DriveCase& c = GetParam();
    for (const std::string& volume : c.failingProbes)
        fs.failOn(FsOperation::CreateNewFile, volume + "/tmp.tmp",
                  std::make_error_code(std::errc::read_only_file_system));
    for (const std::string& volume : c.existingProbes)
        tmp.writeFile(volume + "/tmp.tmp", "user data");

    const std::string drive = CheckWriteDrives(fs, volumes, programFolder, PathStyle::native());

    EXPECT_EQ(drive, c.expected.empty() ? "" : tmp / c.expected);
    EXPECT_EQ(fs.callCount(FsOperation::CreateNewFile), c.probes);
    for (const char* volume : {"system", "cdrom", "usb", "backup", "spare"}) {
        const bool userFile = std::find(c.existingProbes.begin(), c.existingProbes.end(), volume) !=
                              c.existingProbes.end();
        EXPECT_EQ(tmp.exists(std::string(volume) + "/tmp.tmp"), userFile) << volume;
        if (userFile) {
            EXPECT_EQ(tmp.readFile(std::string(volume) + "/tmp.tmp"), "user data");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Probes, CheckWriteDrivesTest,
    ::testing::Values(DriveCase{"FirstCandidate", {}, {}, "usb", 1},
                      DriveCase{"SecondWhenFirstFails", {"usb"}, {}, "backup", 2},
                      DriveCase{"NoneWhenBothFail", {"usb", "backup"}, {}, "", 2},
                      DriveCase{"UsersProbeFileIsKept", {}, {"usb"}, "backup", 2},
                      DriveCase{"SecondJudgedOnItsOwn", {"usb"}, {"backup"}, "", 2}),
    caseName<DriveCase>);

// No volumes give an empty text; a probe that cannot be deleted still counts.
TEST(CheckWriteDrives, ProgramVolumeIsNoCandidate) {
    TempFolder tmp;
    FaultyFileSystem fs;
    FakeVolumes volumes;
    EXPECT_EQ(CheckWriteDrives(fs, volumes, "/opt/tidecopy", PathStyle::native()), "");
    volumes.add(tmp.makeFolder("a"));
    volumes.add(tmp.makeFolder("b"));
    EXPECT_EQ(CheckWriteDrives(fs, volumes, tmp.makeFolder("a/prog"), PathStyle::native()),
              tmp / "b");
    fs.failOn(FsOperation::RemoveFile, "tmp.tmp", std::make_error_code(std::errc::io_error));
    EXPECT_EQ(CheckWriteDrives(fs, volumes, tmp.makeFolder("b/prog"), PathStyle::native()),
              tmp / "a");
}

} // namespace
