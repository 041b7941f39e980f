#include "cli/CliApplication.h"

#include "cli/CliArguments.h"
#include "cli/CliProfile.h"
#include "cli/CliRunHost.h"
#include "cli/ExitStatus.h"
#include "cli/ScheduleCommand.h"
#include "cli/TerminalPrompts.h"
#include "engine/BackupRun.h"
#include "engine/BackupVerification.h"
#include "log/DailyLog.h"

#include <ostream>

namespace tidecopy::cli {

namespace {

ExitStatus exitStatusOf(const RunOutcome& outcome) {
    switch (outcome.ending) {
    case RunEnding::Refused:
    case RunEnding::Declined:
    case RunEnding::Cancelled:
        return ExitStatus::NotRun;
    case RunEnding::Finished:
        break;
    }
    return outcome.failedFiles + outcome.integrityFailures > 0 ? ExitStatus::FilesFailed
                                                               : ExitStatus::Success;
}

// Log lines end in CR LF; a terminal and a pipe want line feeds.
void writeLogText(std::ostream& out, std::string_view text) {
    for (char c : text)
        if (c != '\r')
            out.put(c);
    out.flush();
}

// The profile a command names; nullopt, with the reason on the terminal, when there is none.
std::optional<std::string> profileOf(const CliArguments& arguments, Terminal& terminal,
                                     Platform& platform) {
    std::optional<std::string> path = resolveProfilePath(platform.fs, PathStyle::native(),
                                                         platform.environment, arguments.profile);
    if (!path)
        terminal.err << "tidecopy-cli: cannot read profile '" << arguments.profile
                     << "': no such file\n";
    return path;
}

// The log goes to the terminal as it is written, the progress line cleared before it.
void showLogOn(ActivityLog& log, Terminal& terminal, CliRunHost& host) {
    log.setChangeListener([&](const LogChange& change) {
        host.clearProgressLine();
        writeLogText(terminal.out, change.added);
    });
}

ExitStatus runProfile(const CliArguments& arguments, Terminal& terminal, Platform& platform,
                      RunFlags& flags) {
    const PathStyle style = PathStyle::native();
    const std::optional<std::string> path = profileOf(arguments, terminal, platform);
    if (!path)
        return ExitStatus::BadInput;
    OptionSet options;
    MainState state;
    ActivityLog log;
    if (auto refused = loadProfileForRun(platform, style, *path, options, state, log, terminal.err))
        return *refused;

    CliRunHost host(terminal.err, terminal.errorIsTerminal);
    TerminalPrompts prompts(terminal.in, terminal.err, terminal.inputIsTerminal,
                            arguments.assumeYes ? TerminalPrompts::Answering::AssumeYes
                                                : TerminalPrompts::Answering::Ask);
    showLogOn(log, terminal, host);
    ActivityRunLog runLog(log);
    RunContext context{platform, prompts, host, options, state, runLog, flags, style};
    BackupRun run(context,
                  arguments.noAfterActions ? PowerActions::Suppressed : PowerActions::Allowed);
    const RunOutcome outcome = run.BackUpEngine(
        arguments.command == Command::Preview ? RunKind::Preview : RunKind::Backup);
    host.clearProgressLine();
    // The window's log may stop mid-line until the next run; a terminal's output may not.
    if (!log.text().empty() && !log.text().ends_with('\n'))
        terminal.out << '\n' << std::flush;
    if (arguments.noAfterActions && options.ShutdownMode != 0 &&
        outcome.ending == RunEnding::Finished && outcome.counts.selected > 0)
        terminal.err
            << "tidecopy-cli: log off, shut down or restart not done (--no-after-actions)\n";
    // As the window does when it closes.
    SaveDailyLog(platform.fs, style, platform.clock, platform.environment.logsFolder(),
                 options.chkLog != 0, log.text());
    return exitStatusOf(outcome);
}

ExitStatus verifyProfile(const CliArguments& arguments, Terminal& terminal, Platform& platform,
                         RunFlags& flags) {
    const PathStyle style = PathStyle::native();
    const std::optional<std::string> path = profileOf(arguments, terminal, platform);
    if (!path)
        return ExitStatus::BadInput;
    const std::optional<std::string> destination =
        profileDestination(platform.fs, style, *path, terminal.err);
    if (!destination)
        return ExitStatus::BadInput;

    ActivityLog log;
    CliRunHost host(terminal.err, terminal.errorIsTerminal);
    showLogOn(log, terminal, host);
    ActivityRunLog runLog(log);
    VerifyContext context{platform,
                          host,
                          runLog,
                          flags.CancelRequested,
                          verifyWorkersFor(platform.volumes, *destination),
                          style};
    const VerifyReport report = verifyBackup(context, *destination);
    host.clearProgressLine();
    switch (report.ending) {
    case VerifyEnding::NoList:
        return ExitStatus::BadInput;
    case VerifyEnding::Cancelled:
        return ExitStatus::NotRun;
    case VerifyEnding::Finished:
        break;
    }
    return report.counts.differences() ? ExitStatus::FilesFailed : ExitStatus::Success;
}

} // namespace

int runCli(const std::vector<std::string_view>& arguments, Terminal& terminal, Platform& platform,
           RunFlags& flags) {
    const ParseOutcome parsed = parseArguments(arguments);
    if (!parsed.error.empty()) {
        terminal.err << "tidecopy-cli: " << parsed.error << "\n\n" << usageText();
        return toInt(ExitStatus::BadInput);
    }
    switch (parsed.arguments.command) {
    case Command::Help:
        terminal.out << usageText();
        return toInt(ExitStatus::Success);
    case Command::Version:
        terminal.out << "tidecopy-cli " << TIDECOPY_VERSION_MAJOR << '.' << TIDECOPY_VERSION_MINOR
                     << '.' << TIDECOPY_VERSION_PATCH << '\n';
        return toInt(ExitStatus::Success);
    case Command::Show: {
        const std::optional<std::string> path = profileOf(parsed.arguments, terminal, platform);
        if (!path)
            return toInt(ExitStatus::BadInput);
        return toInt(showProfile(platform, PathStyle::native(), *path, terminal.out, terminal.err));
    }
    case Command::Verify:
        return toInt(verifyProfile(parsed.arguments, terminal, platform, flags));
    case Command::Run:
    case Command::Preview:
        return toInt(runProfile(parsed.arguments, terminal, platform, flags));
    case Command::Schedule:
        return toInt(runSchedule(parsed.arguments, terminal, platform));
    }
    return toInt(ExitStatus::BadInput);
}

} // namespace tidecopy::cli
