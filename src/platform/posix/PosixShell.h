#pragma once

#include "platform/Shell.h"

namespace tidecopy {

// The desktop's default handlers through xdg-open.
class PosixShell : public Shell {
public:
    std::error_code openDocument(const std::string& path) override;
};

} // namespace tidecopy
