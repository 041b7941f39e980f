#include "cli/CliApplication.h"
#include "platform/CommandLine.h"
#include "platform/InterruptRequests.h"
#include "platform/SystemPlatform.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace tidecopy;
    const std::unique_ptr<SystemPlatform> system = makeSystemPlatform();
    Platform& platform = system->platform();
    RunFlags flags;
    cancelOnInterrupt(flags.CancelRequested);

    cli::Terminal terminal{std::cin, std::cout, std::cerr, platform.terminal.inputIsTerminal,
                           platform.terminal.errorIsTerminal};
    const std::vector<std::string> words = commandLineArguments(argc, argv);
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    return cli::runCli(arguments, terminal, platform, flags);
}
