#include "panes/FreeSpaceText.h"

#include "support/FakeVolumes.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct FreeSpaceCase {
    std::uint64_t freeBytes;
    std::uint64_t totalBytes;
    const char* text;
};

class FreeSpaceTexts : public testing::TestWithParam<FreeSpaceCase> {};

TEST_P(FreeSpaceTexts, SwitchToGigabytesAtAThousandMegabytes) {
    const FreeSpaceCase& c = GetParam();
    EXPECT_EQ(freeSpaceText("C:", c.freeBytes, c.totalBytes), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FreeSpaceTexts,
    testing::Values(
        FreeSpaceCase{37'000'000'000, 120'000'000'000, "C: 37 Gb free of 120 Gb"},
        FreeSpaceCase{1'457'664, 1'457'664, "C: 1 Mb free of 1 Mb"},
        FreeSpaceCase{999'000'000, 999'000'000, "C: 999 Mb free of 999 Mb"},
        FreeSpaceCase{1'000'000'000, 1'000'000'000, "C: 1 Gb free of 1 Gb"},
        // 999,995,000 bytes round to 99,999.5 hundredths, halves go to the even neighbour.
        FreeSpaceCase{999'995'000, 999'985'000, "C: 1 Gb free of 999 Mb"},
        FreeSpaceCase{0, 0, "C: 0 Mb free of 0 Mb"},
        FreeSpaceCase{18'000'000'000'000'000'000ull, 18'000'000'000'000'000'000ull,
                      "C: 18000000000 Gb free of 18000000000 Gb"}));

TEST(GetFreeSpace, StartsWithTheMountPointOnPosixAndTheDriveOnWindows) {
    test::FakeVolumes volumes;
    EXPECT_EQ(GetFreeSpace(volumes, PathStyle::windows(), "e:\\backup"), "E: 0 Mb free of 0 Mb");
    // Mount points are found the system's own way.
    if (PathStyle::native().flavor() == PathStyle::Flavor::Windows)
        return;
    volumes.add("/");
    volumes.add("/media/usb", "STICK", {2'000'000'000, 8'000'000'000});
    EXPECT_EQ(GetFreeSpace(volumes, PathStyle::posix(), "/media/usb/backup"),
              "/media/usb 2 Gb free of 8 Gb");
    EXPECT_EQ(GetFreeSpace(volumes, PathStyle::posix(), "/home"), "/ 0 Mb free of 0 Mb");
}

} // namespace
} // namespace tidecopy
