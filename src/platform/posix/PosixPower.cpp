#include "platform/posix/PosixPower.h"

#include "platform/posix/PosixSpawn.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace tidecopy {

// The programs start without being waited for: the request is carried out by the system.
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
