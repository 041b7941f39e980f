#include "platform/TerminationSignal.h"

namespace tidecopy {

// Windows asks a window to close with messages that Qt turns into a close event itself.
int watchTerminationRequests() {
    return -1;
}

void clearTerminationRequests(int) {}

} // namespace tidecopy
