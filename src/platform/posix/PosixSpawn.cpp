#include "platform/posix/PosixSpawn.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tidecopy {

namespace {

std::error_code spawn(std::vector<std::string>& arguments, const posix_spawn_file_actions_t* io,
                      pid_t& pid) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int error = ::posix_spawnp(&pid, argv[0], io, nullptr, argv.data(), environ);
    return error == 0 ? std::error_code{} : errorFromNative(error);
}

} // namespace

std::error_code spawnDetached(std::vector<std::string> arguments) {
    pid_t pid = 0;
    if (const std::error_code error = spawn(arguments, nullptr, pid))
        return error;
    // The program may run for as long as the user keeps it open.
    std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return {};
}

std::error_code runToCompletion(std::vector<std::string> arguments) {
    posix_spawn_file_actions_t io;
    ::posix_spawn_file_actions_init(&io);
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        ::posix_spawn_file_actions_addopen(&io, fd, "/dev/null",
                                           fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    pid_t pid = 0;
    const std::error_code error = spawn(arguments, &io, pid);
    ::posix_spawn_file_actions_destroy(&io);
    if (error)
        return error;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return lastNativeError();
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return {};
    return std::make_error_code(std::errc::function_not_supported);
}

bool isOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view{} : folders.substr(colon + 1);
        // An empty entry is the current folder, which is not looked in: no program of
        // ours starts whatever happens to lie there.
        if (folder.empty())
            continue;
        const std::string candidate = std::string(folder) + "/" + program;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return true;
    }
    return false;
}

} // namespace tidecopy
