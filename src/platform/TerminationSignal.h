#pragma once

namespace tidecopy {

// Lets a program close cleanly when the system asks it to end (SIGTERM, SIGINT on
// POSIX): from then on each such request writes one byte to the returned descriptor, so
// an event loop can watch it. -1 when the platform has no such requests.
int watchTerminationRequests();

// Reads the requests waiting on the descriptor, so that it is quiet until the next one.
void clearTerminationRequests(int descriptor);

} // namespace tidecopy
