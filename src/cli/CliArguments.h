#pragma once

#include "cli/ScheduleArguments.h"

#include <string>
#include <string_view>
#include <vector>

namespace tidecopy::cli {

enum class Command { Run, Preview, Show, Verify, Schedule, Help, Version };

// The parsed command line of tidecopy-cli.
struct CliArguments {
    Command command = Command::Help;
    std::string profile;
    bool assumeYes = false;
    bool noAfterActions = false;
    ScheduleRequest schedule;
};

struct ParseOutcome {
    CliArguments arguments;
    std::string error; // empty when the command line was understood
};

ParseOutcome parseArguments(const std::vector<std::string_view>& arguments);

std::string usageText();

} // namespace tidecopy::cli
