#include "panes/DriveCommands.h"

#include "config/MainState.h"
#include "panes/Panes.h"
#include "platform/NativeFileSystem.h"
#include "support/FakeDisks.h"
#include "support/FakePlatform.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

using namespace DriveMenuItem;

DiskDevice device(std::string name, std::vector<std::string> mounts, bool removable,
                  bool optical = false, bool floppy = false) {
    return {std::move(name), std::move(mounts), removable, optical, floppy};
}

// The destination pane shows the volume disk ("DATA", 37 Gb free of 120 Gb) and is the
// active drive; the source pane shows the volume usb.
class DriveCommandsTest : public testing::Test {
protected:
    DriveCommandsTest() {
        temp.makeFolder("disk/b");
        temp.makeFolder("usb");
        fake.volumes.add(temp / "disk", "DATA", {37'000'000'000, 120'000'000'000});
        fake.volumes.add(temp / "usb", "STICK");
        panes.refreshDrives();
        EXPECT_FALSE(panes.setFolder(Pane::Source, temp / "usb"));
        EXPECT_FALSE(panes.setFolder(Pane::Destination, temp / "disk/b"));
        panes.setActiveDrive(Pane::Destination);
        disks.present = {device("/dev/sda1", {"/"}, false), device("/dev/sr0", {}, false, true),
                         device("/dev/sdb1", {temp / "usb"}, true)};
        disks.tools = {DiskTool::Format};
    }
    PaneActionContext context() {
        return {fsys, PathStyle::posix(), prompts, [this](std::string_view text) { log += text; },
                RunControl{}};
    }
    // A command as the window runs it; false when it leaves the panes as they are.
    bool perform(FileCommandStep step) {
        if (step.endedEarly)
            return false;
        files.finish(step.work ? step.work(context()) : FileWorkResult{});
        return true;
    }

    test::TempFolder temp;
    NativeFileSystem fsys;
    test::FakePlatform fake{fsys};
    test::FakeDisks disks;
    test::ScriptedPrompts prompts;
    MainState state;
    Panes panes{fake.platform, prompts, state, PathStyle::posix()};
    FileCommands files{panes, fake.platform, prompts};
    DriveCommands commands{files, panes, fake.platform, prompts, disks};
    std::string log;
};

TEST(DriveMenu, SystemToolsAndFormatAreEnabledWhereTheDesktopHasThem) {
    test::FakeDisks disks;
    disks.tools = {DiskTool::DiskManagement};
    for (int item : {Properties, DiskCleanup, Defrag, DiskManagement, FreeSpace, ChangeLabel,
                     Format, Find, RunExplorer, ExitMenu})
        EXPECT_EQ(driveMenuItemEnabled(item, disks),
                  item != DiskCleanup && item != Defrag && item != Format)
            << item;
}

TEST(FormatDialog, OffersRemovableAndOpticalDevicesThatHoldNoSystemFolder) {
    struct Case {
        std::vector<DiskDevice> devices;
        std::array<bool, 4> enabled;
        std::array<std::string, 4> devicesChosen;
        std::string opticalCaption;
        std::string stickCaption;
    };
    const Case cases[] = {
        {{}, {false, false, true, false}, {}, "DVD/CD ", "Memory stick/card"},
        {{device("/dev/fd0", {}, true, false, true), device("/dev/fd1", {}, true, false, true),
          device("/dev/fd2", {}, true, false, true)},
         {true, true, true, false},
         {"/dev/fd0", "/dev/fd1", "", ""},
         "DVD/CD ",
         "Memory stick/card"},
        {{device("/dev/sr0", {}, false, true), device("/dev/sr1", {"/media/dvd"}, true, true),
          device("/dev/sdb1", {"/media/a"}, true), device("/dev/sdc1", {}, true)},
         {false, false, true, true},
         {"", "", "/dev/sr1", "/dev/sdc1"},
         "DVD/CD /dev/sr1",
         "Memory stick/card /dev/sdc1"},
        // A removable device the system runs from, or a fixed one, is never offered.
        {{device("/dev/sdb1", {"/media/a", "/"}, true), device("/dev/sdc1", {"/home/u"}, true),
          device("/dev/sdd1", {"/boot/efi"}, true), device("/dev/sda1", {"/data"}, false),
          device("/dev/sde1", {"/usrdata"}, true)},
         {false, false, true, true},
         {"", "", "", "/dev/sde1"},
         "DVD/CD ",
         "Memory stick/card /dev/sde1"},
    };
    for (const Case& c : cases) {
        const FormatChoices choices = formatChoices(c.devices);
        EXPECT_EQ(choices.enabled, c.enabled) << c.stickCaption;
        EXPECT_EQ(choices.devices, c.devicesChosen) << c.stickCaption;
        EXPECT_EQ(choices.captions[0], "Drive A:");
        EXPECT_EQ(choices.captions[1], "Drive B:");
        EXPECT_EQ(choices.captions[2], c.opticalCaption);
        EXPECT_EQ(choices.captions[3], c.stickCaption);
    }
}

TEST_F(DriveCommandsTest, FormatOpensTheDesktopToolOnTheChosenDeviceAndLogsIt) {
    disks.present.push_back(device("/dev/fd0", {}, true, false, true));
    const FormatChoices choices = commands.formatChoicesNow();
    struct Case {
        int option;
        std::string logged; // empty: the tool is not started
    };
    const Case cases[] = {
        {FormatOption::DriveA, "User formatted drive A:\r\n"},
        {FormatOption::DriveB, ""},
        {FormatOption::Optical, "User formatted DVD/CD /dev/sr0\r\n"},
        {FormatOption::MemoryStick, "User formatted USB-device /dev/sdb1\r\n"},
        {-1, ""},
        {4, ""},
    };
    for (const Case& c : cases) {
        log.clear();
        disks.requests.clear();
        EXPECT_EQ(perform(commands.format(choices, c.option)), !c.logged.empty()) << c.option;
        EXPECT_EQ(log, c.logged);
        EXPECT_EQ(disks.requests.size(), c.logged.empty() ? 0u : 1u) << c.option;
    }
    // An option the dialog did not enable formats nothing, whatever device it names.
    FormatChoices disabled = choices;
    disabled.enabled[FormatOption::MemoryStick] = false;
    EXPECT_FALSE(perform(commands.format(disabled, FormatOption::MemoryStick)));
    // Checked again before the tool starts: a device gone or now the system's is left.
    log.clear();
    disks.present[2].mountPoints = {"/"};
    prompts.expectMessage("Format Drive",
                          "The drive /dev/sdb1 is not there or may not be formatted.",
                          PromptButtons::Ok);
    EXPECT_TRUE(perform(commands.format(choices, FormatOption::MemoryStick)));
    disks.tools.clear();
    prompts.expectMessage("", "No disk program that can format drives could be started.",
                          PromptButtons::Ok);
    EXPECT_TRUE(perform(commands.format(choices, FormatOption::Optical)));
    EXPECT_EQ(log, "");
    EXPECT_EQ(disks.requests, (std::vector<std::string>{"start 3 /dev/sr0"}));
}

TEST_F(DriveCommandsTest, ChangeVolumeLabelAsksAndReportsOnlyASuccess) {
    const std::string title = "Change Drive Name (DATA)";
    const std::string question =
        "Type in the new name for drive " + (temp / "disk/") + "\r\n -> DATA";
    struct Case {
        std::optional<std::string> answer;
        std::error_code failure;
        bool asked; // the disk service was asked
    };
    const Case cases[] = {
        {std::nullopt, {}, false},
        {"", {}, false},
        {"data", {}, false},
        {"Backup", std::make_error_code(std::errc::permission_denied), true},
        {"Backup", {}, true},
    };
    for (const Case& c : cases) {
        disks.requests.clear();
        disks.labelAnswer = c.failure;
        log.clear();
        prompts.expectInput(title, question, c.answer);
        const bool succeeds = c.asked && !c.failure;
        if (succeeds)
            prompts.expectMessage("Change Volume Label",
                                  "Drive name succesfully changed to: Backup", PromptButtons::Ok);
        fake.volumes.volumes[0].label = "DATA";
        panes.refreshDrives();
        fake.volumes.volumes[0].label = "read again";
        EXPECT_TRUE(perform(commands.run(ChangeLabel)));
        EXPECT_EQ(disks.requests,
                  c.asked ? std::vector<std::string>{"label " + (temp / "disk") + " Backup"}
                          : std::vector<std::string>{});
        EXPECT_EQ(panes.drives()[0].label, c.asked ? "read again" : "DATA");
        EXPECT_EQ(log, succeeds ? "User changed drive name (volume label) from " +
                                      (temp / "disk/") + " to Backup\r\n"
                                : "");
    }
}

TEST_F(DriveCommandsTest, TheOtherItemsActOnTheActiveDrivesRoot) {
    disks.tools = {DiskTool::DiskCleanup, DiskTool::DiskManagement};
    panes.showFreeSpace(Pane::Source);
    const std::string freeSpace = panes.labels().lblFreeSpace;
    prompts.expectMessage("Free Space on Drive " + (temp / "disk") + " [DATA]",
                          "Drive " + (temp / "disk") + " 37 Gb free of 120 Gb", PromptButtons::Ok);
    for (int item :
         {Properties, DiskCleanup, Defrag, DiskManagement, FreeSpace, Find, RunExplorer, ExitMenu})
        EXPECT_FALSE(perform(commands.run(item))) << item;
    EXPECT_EQ(panes.labels().lblFreeSpace, freeSpace);
    EXPECT_EQ(disks.requests, (std::vector<std::string>{"start 0 ", "start 1 ", "start 2 "}));
    const std::string root = temp / "disk/";
    EXPECT_EQ(fake.shell.requests,
              (std::vector<std::string>{"properties " + root, "search " + root, "folder " + root}));
}

} // namespace
} // namespace tidecopy
