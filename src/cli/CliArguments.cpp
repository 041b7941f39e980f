#include "cli/CliArguments.h"

#include <map>

namespace tidecopy::cli {

namespace {

struct CommandRule {
    Command command;
    bool takesProfile;
    bool allowsYes;
    bool allowsNoAfterActions;
};

const std::map<std::string_view, CommandRule>& commandRules() {
    static const std::map<std::string_view, CommandRule> rules = {
        {"run", {Command::Run, true, true, true}},
        {"preview", {Command::Preview, true, true, false}},
        {"show", {Command::Show, true, false, false}},
        {"verify", {Command::Verify, true, false, false}},
        {"--help", {Command::Help, false, false, false}},
        {"-h", {Command::Help, false, false, false}},
        {"--version", {Command::Version, false, false, false}},
    };
    return rules;
}

ParseOutcome failure(std::string text) {
    return {{}, std::move(text)};
}

} // namespace

ParseOutcome parseArguments(const std::vector<std::string_view>& arguments) {
    if (arguments.empty())
        return failure("no command given");
    if (arguments.front() == "schedule") {
        ParseOutcome outcome;
        outcome.arguments.command = Command::Schedule;
        outcome.error = parseScheduleArguments(
            std::span(arguments).subspan(1), outcome.arguments.profile, outcome.arguments.schedule);
        return outcome;
    }
    const auto rule = commandRules().find(arguments.front());
    if (rule == commandRules().end())
        return failure("unknown command '" + std::string(arguments.front()) + "'");

    ParseOutcome outcome;
    outcome.arguments.command = rule->second.command;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--yes" && rule->second.allowsYes) {
            outcome.arguments.assumeYes = true;
        } else if (argument == "--no-after-actions" && rule->second.allowsNoAfterActions) {
            outcome.arguments.noAfterActions = true;
        } else if (argument.starts_with("--") || !rule->second.takesProfile) {
            return failure("'" + std::string(argument) + "' is not an option of '" +
                           std::string(arguments.front()) + "'");
        } else if (!outcome.arguments.profile.empty()) {
            return failure("only one profile can be given");
        } else {
            outcome.arguments.profile = argument;
        }
    }
    if (rule->second.takesProfile && outcome.arguments.profile.empty())
        return failure("'" + std::string(arguments.front()) + "' needs a profile");
    return outcome;
}

std::string usageText() {
    return "Usage:\n"
           "  tidecopy-cli run PROFILE [--yes] [--no-after-actions]\n"
           "  tidecopy-cli preview PROFILE [--yes]\n"
           "  tidecopy-cli show PROFILE\n"
           "  tidecopy-cli verify PROFILE\n"
           "  tidecopy-cli schedule PROFILE --daily HH:MM | --at-login | --remove\n"
           "  tidecopy-cli schedule --list\n"
           "  tidecopy-cli --help | --version\n"
           "\n"
           "PROFILE is a profile file (.prof) saved by Tidecopy; a bare name that is not found\n"
           "in the current folder is looked up in the profiles folder.\n"
           "  run                 back up as the Backup button does\n"
           "  preview             list what a backup would copy; touches no file\n"
           "  show                print every value the profile holds\n"
           "  verify              check the profile's backup against the checksum list in its\n"
           "                      destination folder (Tidecopy.sha256)\n"
           "  schedule            write or remove a systemd user timer that runs the profile\n"
           "                      (run PROFILE --yes) daily or at login; --list shows them\n"
           "  --yes               answer Yes to every question\n"
           "  --no-after-actions  never log off, shut down or restart after the run\n"
           "\n"
           "Exit status: 0 success, 1 some file failed, 2 bad usage or unreadable profile\n"
           "or missing folder, 3 refused, declined or cancelled. For verify: 0 every listed\n"
           "file intact and no other file, 1 differences, 2 no checksum list, 3 cancelled.\n";
}

} // namespace tidecopy::cli
