#include "CliProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace tidecopy::test {

namespace {

void closeIfOpen(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

CliProcess::CliProcess(std::string program, std::vector<std::string> arguments) {
    m_terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_terminal < 0 || ::grantpt(m_terminal) != 0 || ::unlockpt(m_terminal) != 0)
        throw std::runtime_error("no pseudo terminal");
    const std::string terminalName = ::ptsname(m_terminal);
    int outPipe[2], errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0)
        throw std::runtime_error("no pipe");

    m_pid = ::fork();
    if (m_pid == 0) {
        ::setsid();
        const int input = ::open(terminalName.c_str(), O_RDWR);
        ::dup2(input, STDIN_FILENO);
        ::dup2(outPipe[1], STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        std::vector<char*> argv{program.data()};
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    m_out = outPipe[0];
    m_err = errPipe[0];
}

CliProcess::~CliProcess() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    closeIfOpen(m_terminal);
    closeIfOpen(m_out);
    closeIfOpen(m_err);
}

void CliProcess::drain(int timeoutMs) {
    pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
    if (::poll(fds, 2, timeoutMs) <= 0)
        return;
    char buffer[4096];
    const std::pair<int, std::string*> streams[] = {{m_out, &m_outText}, {m_err, &m_errText}};
    for (int i = 0; i < 2; ++i) {
        if ((fds[i].revents & (POLLIN | POLLHUP)) == 0 || streams[i].first < 0)
            continue;
        const ssize_t n = ::read(streams[i].first, buffer, sizeof buffer);
        if (n > 0)
            streams[i].second->append(buffer, static_cast<std::size_t>(n));
        else if (n == 0)
            closeIfOpen(i == 0 ? m_out : m_err);
    }
}

bool CliProcess::waitForError(const std::string& text, std::chrono::seconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_errText.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline || (m_err < 0 && m_out < 0))
            return false;
        drain(100);
    }
    return true;
}

void CliProcess::type(const std::string& text) {
    [[maybe_unused]] const ssize_t written = ::write(m_terminal, text.data(), text.size());
}

void CliProcess::signal(int number) {
    ::kill(m_pid, number);
}

CliProcess::Result CliProcess::finish(std::chrono::seconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (::waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return {-1, m_outText, m_errText};
        drain(50);
    }
    m_pid = -1;
    while (m_out >= 0 || m_err >= 0)
        drain(1000);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, m_outText, m_errText};
}

} // namespace tidecopy::test
