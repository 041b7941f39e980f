#include "update/WebServices.h"

namespace tidecopy {

bool IsConnected(Connectivity& connectivity) {
    return connectivity.reachability() != Reachability::Disconnected;
}

} // namespace tidecopy
