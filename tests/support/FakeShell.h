#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace tidecopy::test {

// A shell that records what it is asked to show, as "verb path", and the programs it is
// asked to start; starts nothing. A test sets the answers of the desktop's properties
// dialog and file search, and startError for a program's start.
class FakeShell : public Shell {
public:
    std::vector<std::string> opened; // documents
    std::vector<std::string> started;
    std::vector<std::string> requests;
    std::error_code startError;
    std::error_code propertiesAnswer;
    std::error_code searchAnswer;

    std::error_code openDocument(const std::string& path) override {
        opened.push_back(path);
        return {};
    }
    std::error_code startProgram(const std::string& path) override {
        started.push_back(path);
        return startError;
    }
    std::error_code showProperties(const std::string& path) override {
        requests.push_back("properties " + path);
        return propertiesAnswer;
    }
    std::error_code showFolder(const std::string& folder) override {
        requests.push_back("folder " + folder);
        return {};
    }
    std::error_code searchFolder(const std::string& folder) override {
        requests.push_back("search " + folder);
        return searchAnswer;
    }
};

} // namespace tidecopy::test
