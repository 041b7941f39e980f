#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tidecopy::test {

// Runs our own tidecopy-cli as a child process with its standard input on a pseudo
// terminal (so it asks its questions there) and its output streams captured.
class CliProcess {
public:
    struct Result {
        int exitStatus = -1;
        std::string out;
        std::string err;
    };

    CliProcess(std::string program, std::vector<std::string> arguments);
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Reads the error stream until it contains text (or the time runs out).
    bool waitForError(const std::string& text,
                      std::chrono::seconds timeout = std::chrono::seconds(30));
    void type(const std::string& text);
    void signal(int number);
    Result finish(std::chrono::seconds timeout = std::chrono::seconds(60));

private:
    void drain(int timeoutMs);

    int m_pid = -1;
    int m_terminal = -1;
    int m_out = -1;
    int m_err = -1;
    std::string m_outText;
    std::string m_errText;
};

} // namespace tidecopy::test
