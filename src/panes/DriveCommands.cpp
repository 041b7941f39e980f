#include "panes/DriveCommands.h"

#include "config/TextEncoding.h"
#include "panes/DriveTexts.h"
#include "panes/FreeSpaceText.h"
#include "panes/Panes.h"
#include "platform/Disks.h"
#include "platform/Platform.h"

#include <algorithm>

namespace tidecopy {

namespace {

std::optional<DiskTool> toolOf(int item) {
    switch (item) {
    case DriveMenuItem::DiskCleanup:
        return DiskTool::DiskCleanup;
    case DriveMenuItem::Defrag:
        return DiskTool::Defragmentation;
    case DriveMenuItem::DiskManagement:
        return DiskTool::DiskManagement;
    case DriveMenuItem::Format:
        return DiskTool::Format;
    }
    return std::nullopt;
}

FileCommandStep withoutRefresh() {
    return {true, {}};
}

FileWorkResult changeLabel(const PaneActionContext& context, Disks& disks,
                           const std::string& mountPoint, const std::string& rootShown,
                           const std::string& old) {
    const std::optional<std::string> answer =
        context.prompts.input("Change Drive Name (" + old + ")",
                              "Type in the new name for drive " + rootShown + "\r\n -> " + old, "");
    FileWorkResult result;
    if (!answer || answer->empty() || lowerCase(*answer) == lowerCase(old))
        return result;
    const std::error_code error = disks.setLabel(mountPoint, *answer);
    result.drivesChanged = true;
    if (error)
        return result;
    context.prompts.message("Change Volume Label", "Drive name succesfully changed to: " + *answer,
                            PromptButtons::Ok, PromptIcon::None);
    context.logUser("User changed drive name (volume label) from " +
                    context.style.withTrailingSeparator(mountPoint) + " to " + *answer);
    return result;
}

// The device is looked at once more: what the dialog offered may have gone or been
// mounted as a system folder since.
FileWorkResult formatDevice(const PaneActionContext& context, Disks& disks,
                            const std::string& device, const std::string& logLine) {
    const std::vector<DiskDevice> present = disks.devices();
    const auto found = std::find_if(present.begin(), present.end(),
                                    [&](const DiskDevice& d) { return d.device == device; });
    if (found == present.end() || !offeredForFormat(*found)) {
        context.prompts.message("Format Drive",
                                "The drive " + device + " is not there or may not be formatted.",
                                PromptButtons::Ok, PromptIcon::Warning);
        return {};
    }
    if (disks.startTool(DiskTool::Format, device)) {
        context.prompts.message({}, "No disk program that can format drives could be started.",
                                PromptButtons::Ok, PromptIcon::Information);
        return {};
    }
    context.logUser(logLine);
    return {};
}

} // namespace

bool driveMenuItemEnabled(int item, Disks& disks) {
    const std::optional<DiskTool> tool = toolOf(item);
    return !tool || disks.hasTool(*tool);
}

DriveCommands::DriveCommands(FileCommands& fileCommands, Panes& panes, Platform& platform,
                             Prompts& prompts, Disks& disks)
    : m_fileCommands(fileCommands)
    , m_panes(panes)
    , m_platform(platform)
    , m_prompts(prompts)
    , m_disks(disks) {}

std::string DriveCommands::mountPoint() const {
    return m_panes.pane(m_panes.ActiveDrive()).drive;
}

std::string DriveCommands::driveText() const {
    const std::vector<Volume>& drives = m_panes.drives();
    const auto found = std::find_if(drives.begin(), drives.end(), [&](const Volume& volume) {
        return volume.mountPoint == mountPoint();
    });
    return found != drives.end() ? driveListText(*found) : mountPoint();
}

FileCommandStep DriveCommands::run(int item) {
    const PathStyle& style = m_panes.style();
    const std::string root = style.withTrailingSeparator(mountPoint());
    if (const std::optional<DiskTool> tool = toolOf(item); tool && item != DriveMenuItem::Format) {
        // A tool that cannot be started is not reported.
        m_disks.startTool(*tool, {});
        return withoutRefresh();
    }
    switch (item) {
    case DriveMenuItem::Properties:
        m_fileCommands.showProperties(root);
        break;
    case DriveMenuItem::FreeSpace:
        m_prompts.message("Free Space on Drive " + driveTextInMessages(style, driveText()),
                          "Drive " + GetFreeSpace(m_platform.volumes, style, root),
                          PromptButtons::Ok, PromptIcon::Information);
        break;
    case DriveMenuItem::ChangeLabel: {
        const auto drives = m_panes.drives();
        const auto volume = std::find_if(drives.begin(), drives.end(), [&](const Volume& v) {
            return v.mountPoint == mountPoint();
        });
        const std::string old = volume != drives.end() ? volume->label : std::string{};
        return {false,
                [&disks = m_disks, mount = mountPoint(), shown = driveTextInMessages(style, root),
                 old](const PaneActionContext& context) {
                    return changeLabel(context, disks, mount, shown, old);
                }};
    }
    case DriveMenuItem::Find:
        m_fileCommands.find(root);
        break;
    case DriveMenuItem::RunExplorer:
        m_platform.shell.showFolder(root);
        break;
    }
    return withoutRefresh();
}

FormatChoices DriveCommands::formatChoicesNow() {
    return formatChoices(m_disks.devices());
}

FileCommandStep DriveCommands::format(const FormatChoices& choices, int option) {
    static constexpr std::array<const char*, 4> logLines = {
        "User formatted drive A:", "User formatted drive B:", "User formatted DVD/CD ",
        "User formatted USB-device "};
    if (option < 0 || option >= static_cast<int>(choices.devices.size()))
        return withoutRefresh();
    const std::string& device = choices.devices[static_cast<std::size_t>(option)];
    if (device.empty() || !choices.enabled[static_cast<std::size_t>(option)])
        return withoutRefresh();
    std::string logLine = logLines[static_cast<std::size_t>(option)];
    if (option >= FormatOption::Optical)
        logLine += device;
    return {false, [&disks = m_disks, device, logLine](const PaneActionContext& context) {
                return formatDevice(context, disks, device, logLine);
            }};
}

} // namespace tidecopy
