#pragma once

#include "cli/ScheduleArguments.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tidecopy::cli {

// The systemd user units that run a profile on a schedule: a service that runs
// tidecopy-cli once and a timer that starts it. Both are named "tidecopy-" followed by the
// profile's name, escaped as systemd-escape does.

// The unit name without its suffix; nullopt when the profile name is empty or too long
// for a unit name.
std::optional<std::string> unitNameOf(std::string_view profileName);
// The profile name a unit name was made from; nullopt for a name that is not ours.
std::optional<std::string> profileNameOfUnit(std::string_view unitName);

// The service that runs the command (program and arguments) once.
std::string serviceText(std::string_view profileName, const std::vector<std::string>& command);
// The words of the command a service text runs, as it wrote them; empty when it has none.
std::vector<std::string> commandOfService(std::string_view text);

// "daily at HH:MM" or "at login".
std::string whenText(const ScheduleRequest& when);

// The timer that starts the service daily or at login.
std::string timerText(std::string_view profileName, const ScheduleRequest& when);
// When a timer text starts its service: "daily at HH:MM", "at login", or "on a schedule of
// its own" for a timer edited by hand.
std::string whenOfTimer(std::string_view text);

// The text as one word of a POSIX shell command line, quoted when it needs to be.
std::string shellWord(std::string_view text);

} // namespace tidecopy::cli
