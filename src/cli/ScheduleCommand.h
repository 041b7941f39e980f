#pragma once

#include "cli/CliApplication.h"
#include "cli/CliArguments.h"
#include "cli/ExitStatus.h"

namespace tidecopy::cli {

// `tidecopy-cli schedule`: writes, removes or lists the systemd user units that run a
// profile, in $XDG_CONFIG_HOME/systemd/user. It never enables, starts or stops a unit
// itself; it prints the systemctl commands that do.
ExitStatus runSchedule(const CliArguments& arguments, Terminal& terminal, Platform& platform);

} // namespace tidecopy::cli
