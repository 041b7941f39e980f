#pragma once

#include "platform/Shell.h"

namespace tidecopy {

// The desktop's default handlers through xdg-open; programs started directly, never
// through a shell's command line.
class PosixShell : public Shell {
public:
    std::error_code openDocument(const std::string& path) override;
    std::error_code startProgram(const std::string& path) override;
};

} // namespace tidecopy
