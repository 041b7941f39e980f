#include "cli/CliApplication.h"
#include "platform/InterruptRequests.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPower.h"
#include "platform/posix/PosixVolumes.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    using namespace tidecopy;
    PosixFileSystem fs;
    PosixVolumes volumes;
    PosixPower power;
    SystemClock clock;
    const Environment environment = makeEnvironment(fs, executableFolder(), userConfigHome());
    RunFlags flags;
    cancelOnInterrupt(flags.CancelRequested);

    cli::Terminal terminal{std::cin, std::cout, std::cerr, ::isatty(STDIN_FILENO) == 1,
                           ::isatty(STDERR_FILENO) == 1};
    cli::CliServices services{fs, volumes, power, clock, environment, flags};
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return cli::runCli(arguments, terminal, services);
}
