#pragma once

#include "engine/RunFlags.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Power.h"
#include "platform/Volumes.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace tidecopy::cli {

// The terminal tidecopy-cli talks to.
struct Terminal {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool inputIsTerminal = false;
    bool errorIsTerminal = false;
};

// The services a command works with; main() passes the real ones, tests their own.
struct CliServices {
    FileSystem& fs;
    Volumes& volumes;
    Power& power;
    const Clock& clock;
    const Environment& environment;
    RunFlags& flags; // its CancelRequested is what Ctrl+C sets
};

// Runs one command line (without the program name) and answers its exit status.
int runCli(const std::vector<std::string_view>& arguments, Terminal& terminal,
           CliServices& services);

} // namespace tidecopy::cli
