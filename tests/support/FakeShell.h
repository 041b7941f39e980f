#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace tidecopy::test {

// A shell that records the documents it is asked to open and the programs it is asked to
// start; starts nothing. A program's start fails with startError when one is set.
class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    std::vector<std::string> started;
    std::error_code startError;
    std::error_code openDocument(const std::string& path) override {
        opened.push_back(path);
        return {};
    }
    std::error_code startProgram(const std::string& path) override {
        started.push_back(path);
        return startError;
    }
};

} // namespace tidecopy::test
