#include "platform/posix/PosixShell.h"

#include "platform/Errors.h"

#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace tidecopy {

std::error_code PosixShell::openDocument(const std::string& path) {
    std::string program = "xdg-open";
    // The path is one argument: no shell parses it, so no quoting is needed.
    std::string argument = path;
    std::vector<char*> argv{program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (error != 0)
        return errorFromNative(error);
    // xdg-open may wait for the application; reaping it elsewhere keeps the window free
    // and leaves no zombie behind.
    std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return {};
}

} // namespace tidecopy
