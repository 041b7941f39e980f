#pragma once

#include "platform/Power.h"

namespace tidecopy {

// Asks systemd (logind) through its command-line clients, which talk to
// org.freedesktop.login1 over D-Bus with the user's own permissions.
class PosixPower : public Power {
public:
    std::error_code request(PowerAction action) override;
};

} // namespace tidecopy
