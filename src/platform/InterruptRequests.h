#pragma once

#include <atomic>

namespace tidecopy {

// Turns the first interrupt or termination request (Ctrl+C, SIGTERM) into flag = true,
// as the Cancel button does; a second request ends the program the ordinary way.
void cancelOnInterrupt(std::atomic<bool>& flag);

} // namespace tidecopy
