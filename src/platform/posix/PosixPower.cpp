#include "platform/posix/PosixPower.h"

#include "platform/Errors.h"

#include <cstdlib>
#include <spawn.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tidecopy {

namespace {

// Starts the program without waiting for it: the request is carried out by the system.
std::error_code spawnDetached(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    return error == 0 ? std::error_code{} : errorFromNative(error);
}

} // namespace

std::error_code PosixPower::request(PowerAction action) {
    switch (action) {
    case PowerAction::LogOff:
        // The session this program runs in; without one, every session of the user.
        if (const char* session = std::getenv("XDG_SESSION_ID");
            session != nullptr && session[0] != '\0')
            return spawnDetached({"loginctl", "terminate-session", session});
        return spawnDetached({"loginctl", "terminate-user", std::to_string(::getuid())});
    case PowerAction::ShutDown:
        return spawnDetached({"systemctl", "poweroff"});
    case PowerAction::Restart:
        return spawnDetached({"systemctl", "reboot"});
    }
    return std::make_error_code(std::errc::invalid_argument);
}

} // namespace tidecopy
