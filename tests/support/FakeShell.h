#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace tidecopy::test {

// A shell that records the documents it is asked to open; starts nothing.
class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    std::error_code openDocument(const std::string& path) override {
        opened.push_back(path);
        return {};
    }
};

} // namespace tidecopy::test
