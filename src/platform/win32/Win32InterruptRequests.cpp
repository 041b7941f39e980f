#include "platform/InterruptRequests.h"

#include <windows.h>

namespace tidecopy {

namespace {

std::atomic<bool>* cancelFlag = nullptr;
std::atomic<bool> requested{false};

// Runs on a thread of its own. The first Ctrl+C or Ctrl+Break is taken; a second one goes to
// the system's handler, which ends the program.
BOOL WINAPI onConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    if (requested.exchange(true))
        return FALSE;
    cancelFlag->store(true);
    return TRUE;
}

} // namespace

void cancelOnInterrupt(std::atomic<bool>& flag) {
    cancelFlag = &flag;
    ::SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

} // namespace tidecopy
