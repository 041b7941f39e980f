#pragma once

#include "platform/Platform.h"

#include <memory>

namespace tidecopy {

// The running system's services, owned for as long as the program runs. One backend
// per OS implements makeSystemPlatform (posix/PosixPlatform.cpp); the programs' main()
// name no backend.
class SystemPlatform {
public:
    virtual ~SystemPlatform() = default;
    virtual Platform& platform() = 0;
};

// Finds the program's folders (creating its data folders on first start) and opens the
// system's services.
std::unique_ptr<SystemPlatform> makeSystemPlatform();

} // namespace tidecopy
