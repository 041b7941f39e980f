#include "cli/ScheduleCommand.h"

#include "cli/CliProfile.h"
#include "cli/SystemdUnits.h"
#include "platform/Errors.h"
#include "platform/PathStyle.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace tidecopy::cli {

namespace {

const PathStyle style = PathStyle::native();

// The files of one schedule in the systemd user folder.
struct ScheduleFiles {
    std::string folder;
    std::string unit; // without suffix

    std::string service() const { return style.join(folder, unit + ".service"); }
    std::string timer() const { return style.join(folder, unit + ".timer"); }
    // What `systemctl --user enable` links.
    std::string enabledLink() const {
        return style.join(style.join(folder, "timers.target.wants"), unit + ".timer");
    }
};

std::string unitFolderOf(const Environment& environment) {
    return style.join(style.join(environment.configHome, "systemd"), "user");
}

// The name a profile is scheduled under: its file name without ".prof".
std::string scheduleNameOf(const std::string& profile) {
    const std::string path = style.withoutTrailingSeparator(profile);
    std::string name(style.fileNameOf(path));
    if (name.size() > 5 && name.ends_with(".prof"))
        name.resize(name.size() - 5);
    return name;
}

bool isMissing(std::error_code error) {
    return error == std::errc::no_such_file_or_directory;
}

ExitStatus fail(Terminal& terminal, ExitStatus status, const std::string& reason) {
    terminal.err << "tidecopy-cli: " << reason << '\n';
    return status;
}

ExitStatus failOnFile(Terminal& terminal, const char* doing, const std::string& path,
                      std::error_code error) {
    return fail(terminal, ExitStatus::BadInput,
                std::string("cannot ") + doing + " '" + path + "': " + describeError(error));
}

ExitStatus writeSchedule(const CliArguments& arguments, const std::string& name,
                         const ScheduleFiles& files, Terminal& terminal, Platform& platform) {
    FileSystem& fs = platform.fs;
    const std::optional<std::string> found =
        resolveProfilePath(fs, style, platform.environment, arguments.profile);
    if (!found)
        return fail(terminal, ExitStatus::BadInput,
                    "cannot read profile '" + arguments.profile + "': no such file");
    // The timer runs in another folder than this command.
    std::error_code noFolder;
    const std::filesystem::path absolute = std::filesystem::absolute(*found, noFolder);
    if (noFolder)
        return failOnFile(terminal, "find the folder of", *found, noFolder);
    const std::string profile = absolute.lexically_normal().string();

    const Result<std::string> existing = fs.readWholeFile(files.service());
    if (!existing && !isMissing(existing.error()))
        return failOnFile(terminal, "read", files.service(), existing.error());
    if (existing) {
        const std::vector<std::string> command = commandOfService(*existing);
        const std::string scheduled = command.size() > 2 ? command[2] : "";
        if (scheduled != profile)
            return fail(terminal, ExitStatus::NotRun,
                        "the schedule '" + name + "' runs the profile '" + scheduled +
                            "'; remove it first: tidecopy-cli schedule " +
                            shellWord(arguments.profile) + " --remove");
    }

    for (const std::string& folder :
         {platform.environment.configHome, style.join(platform.environment.configHome, "systemd"),
          files.folder}) {
        const std::error_code error = fs.createFolder(folder);
        if (error && error != std::errc::file_exists)
            return failOnFile(terminal, "create", folder, error);
    }
    const std::vector<std::string> command = {
        style.join(platform.environment.programFolder, "tidecopy-cli"), "run", profile, "--yes"};
    if (const std::error_code error =
            fs.writeWholeFileAtomically(files.service(), serviceText(name, command)))
        return failOnFile(terminal, "write", files.service(), error);
    const ScheduleRequest& when = arguments.schedule;
    if (const std::error_code error =
            fs.writeWholeFileAtomically(files.timer(), timerText(name, when))) {
        // A service without its timer never runs: leave no half schedule behind.
        if (!existing)
            fs.removeFile(files.service());
        return failOnFile(terminal, "write", files.timer(), error);
    }

    const bool daily = when.action == ScheduleAction::Daily;
    terminal.out << "Wrote " << files.timer() << "\nWrote " << files.service() << '\n'
                 << name << " runs " << whenText(when) << " once its timer is enabled:\n"
                 << "  systemctl --user daemon-reload\n"
                 << "  systemctl --user enable " << (daily ? "--now " : "")
                 << shellWord(files.unit + ".timer") << '\n';
    if (daily)
        terminal.out << "Timers of a user run while the user is logged in; to run it at other "
                        "times too:\n  loginctl enable-linger\n";
    return ExitStatus::Success;
}

ExitStatus removeSchedule(const std::string& name, const ScheduleFiles& files, Terminal& terminal,
                          Platform& platform) {
    ExitStatus status = ExitStatus::Success;
    bool found = false;
    for (const std::string& path : {files.enabledLink(), files.timer(), files.service()}) {
        const std::error_code error = platform.fs.removeFile(path);
        if (!error) {
            found = true;
            terminal.out << "Removed " << path << '\n';
        } else if (!isMissing(error)) {
            found = true;
            status = failOnFile(terminal, "remove", path, error);
        }
    }
    if (!found)
        return fail(terminal, ExitStatus::BadInput, "there is no schedule for '" + name + "'");
    terminal.out << "A timer that is still running stops with:\n"
                 << "  systemctl --user stop " << shellWord(files.unit + ".timer") << '\n'
                 << "  systemctl --user daemon-reload\n";
    return status;
}

ExitStatus listSchedules(Terminal& terminal, Platform& platform) {
    const std::string folder = unitFolderOf(platform.environment);
    std::vector<FolderEntry> entries;
    const std::error_code error = platform.fs.listFolder(folder, entries);
    if (error && !isMissing(error))
        return failOnFile(terminal, "read", folder, error);
    std::vector<std::string> units;
    for (const FolderEntry& entry : entries)
        if (entry.name.ends_with(".timer") && profileNameOfUnit(entry.name))
            units.push_back(entry.name.substr(0, entry.name.size() - 6));
    std::sort(units.begin(), units.end());
    if (units.empty())
        terminal.out << "No schedules.\n";
    for (const std::string& unit : units) {
        const ScheduleFiles files{folder, unit};
        const Result<std::string> timer = platform.fs.readWholeFile(files.timer());
        const Result<std::string> service = platform.fs.readWholeFile(files.service());
        const std::vector<std::string> command =
            service ? commandOfService(*service) : std::vector<std::string>{};
        const bool enabled = platform.fs.entryInfo(files.enabledLink()).ok();
        terminal.out << *profileNameOfUnit(unit) << ": "
                     << (timer ? whenOfTimer(*timer) : "timer unreadable") << ", runs "
                     << (command.size() > 2 ? command[2] : "nothing (no service)") << " ("
                     << (enabled ? "enabled" : "not enabled") << ")\n";
    }
    return ExitStatus::Success;
}

} // namespace

ExitStatus runSchedule(const CliArguments& arguments, Terminal& terminal, Platform& platform) {
    // Windows has no systemd; its Task Scheduler runs the command line itself.
    if (style.flavor() == PathStyle::Flavor::Windows)
        return fail(terminal, ExitStatus::BadInput,
                    "schedule writes systemd user timers, which Windows does not have; let the "
                    "Task Scheduler run: tidecopy-cli run PROFILE --yes");
    if (arguments.schedule.action == ScheduleAction::List)
        return listSchedules(terminal, platform);
    const std::string name = scheduleNameOf(arguments.profile);
    const std::optional<std::string> unit = unitNameOf(name);
    if (!unit)
        return fail(terminal, ExitStatus::BadInput,
                    name.empty() ? "'" + arguments.profile + "' does not name a profile"
                                 : "the name '" + name + "' is too long for a schedule");
    const ScheduleFiles files{unitFolderOf(platform.environment), *unit};
    if (arguments.schedule.action == ScheduleAction::Remove)
        return removeSchedule(name, files, terminal, platform);
    return writeSchedule(arguments, name, files, terminal, platform);
}

} // namespace tidecopy::cli
