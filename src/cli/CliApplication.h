#pragma once

#include "engine/RunFlags.h"
#include "platform/Platform.h"

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

// Runs one command line (without the program name) on the platform's services and
// answers its exit status. Ctrl+C sets the CancelRequested of flags.
int runCli(const std::vector<std::string_view>& arguments, Terminal& terminal, Platform& platform,
           RunFlags& flags);

} // namespace tidecopy::cli
