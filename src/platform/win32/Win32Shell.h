#pragma once

#include "platform/Shell.h"

namespace tidecopy {

// The desktop's default handlers through ShellExecuteW ("open"), in a normal window.
class Win32Shell : public Shell {
public:
    std::error_code openDocument(const std::string& path) override;
};

} // namespace tidecopy
