#include "platform/TerminationSignal.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tidecopy {

namespace {

int writeEnd = -1;

void onTerminationSignal(int) {
    // Only async-signal-safe calls here: the reader does the rest.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
}

} // namespace

int watchTerminationRequests() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    writeEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    return ends[0];
}

void clearTerminationRequests(int descriptor) {
    char bytes[16];
    while (::read(descriptor, bytes, sizeof bytes) > 0) {
    }
}

} // namespace tidecopy
