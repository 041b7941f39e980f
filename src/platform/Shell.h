#pragma once

#include <string>
#include <system_error>

namespace tidecopy {

// Hands documents to the desktop and starts its tools. The real one starts programs, so
// tests use a fake.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document with the desktop's default application for it, without waiting.
    virtual std::error_code openDocument(const std::string& path) = 0;
    // Starts the program at path on its own, without waiting; an error when it cannot run.
    virtual std::error_code startProgram(const std::string& path) = 0;
};

} // namespace tidecopy
