#include "platform/InterruptRequests.h"

#include <csignal>

namespace tidecopy {

namespace {

std::atomic<bool>* cancelFlag = nullptr;

void onInterrupt(int) {
    // A lock-free atomic store is safe in a signal handler.
    cancelFlag->store(true);
}

} // namespace

void cancelOnInterrupt(std::atomic<bool>& flag) {
    static_assert(std::atomic<bool>::is_always_lock_free);
    cancelFlag = &flag;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // One request cancels; the handler is then reset, so a second one ends the program.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace tidecopy
