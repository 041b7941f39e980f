#pragma once

#include <system_error>

namespace tidecopy {

enum class PowerAction { LogOff, ShutDown, Restart };

// Ends the user's session or the computer's run. The request returns at once; the
// system carries it out while the program goes on. Tests always use a fake.
class Power {
public:
    virtual ~Power() = default;
    virtual std::error_code request(PowerAction action) = 0;
};

} // namespace tidecopy
