#pragma once

#include "update/WebServices.h"

namespace tidecopy {

// Whether the machine is connected, from the toolkit's network information (NetworkManager
// on Linux). Without a backend the system cannot tell.
class QtConnectivity : public Connectivity {
public:
    Reachability reachability() override;
};

} // namespace tidecopy
