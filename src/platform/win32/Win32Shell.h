#pragma once

#include "platform/Shell.h"

namespace tidecopy {

// The desktop through ShellExecuteEx: a document's or program's "open", a folder's
// "explore", the "properties" dialog and the "find" search, each in a normal window.
class Win32Shell : public Shell {
public:
    std::error_code openDocument(const std::string& path) override;
    std::error_code startProgram(const std::string& path) override;
    std::error_code showProperties(const std::string& path) override;
    std::error_code showFolder(const std::string& folder) override;
    std::error_code searchFolder(const std::string& folder) override;
};

} // namespace tidecopy
