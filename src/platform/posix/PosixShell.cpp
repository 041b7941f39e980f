#include "platform/posix/PosixShell.h"

#include "platform/Errors.h"

#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace tidecopy {

namespace {

// Starts a program found on PATH (or at a path) with its arguments, each one word: no
// shell parses them, so no quoting is needed. An error when it cannot be started.
std::error_code spawn(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0)
        return errorFromNative(error);
    // The program may run for long; reaping it elsewhere keeps the window free and leaves
    // no zombie behind.
    std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return {};
}

} // namespace

std::error_code PosixShell::openDocument(const std::string& path) {
    return spawn({"xdg-open", path});
}

std::error_code PosixShell::startProgram(const std::string& path) {
    return spawn({path});
}

} // namespace tidecopy
