#pragma once

#include "platform/Power.h"

namespace tidecopy {

// ExitWindowsEx, with the shutdown privilege that a shutdown and a restart need enabled
// first. Never called by a test: tests use a fake.
class Win32Power : public Power {
public:
    std::error_code request(PowerAction action) override;
};

} // namespace tidecopy
