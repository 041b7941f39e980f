#pragma once

#include <string>
#include <system_error>

namespace tidecopy {

// Hands documents and folders to the desktop and starts its tools. The real one starts
// programs, so tests use a fake.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document with the desktop's default application for it, without waiting.
    virtual std::error_code openDocument(const std::string& path) = 0;
    // Starts the program at path on its own, without waiting; an error when it cannot run.
    virtual std::error_code startProgram(const std::string& path) = 0;
    // The desktop's properties dialog of a file or folder; an error when the desktop has
    // none or refused, so that the caller shows its own.
    virtual std::error_code showProperties(const std::string& path) = 0;
    // Shows a folder in the desktop's file manager, without waiting.
    virtual std::error_code showFolder(const std::string& folder) = 0;
    // Starts the desktop's file search in a folder, without waiting; function_not_supported
    // when no file search program is installed.
    virtual std::error_code searchFolder(const std::string& folder) = 0;
};

} // namespace tidecopy
