#pragma once

#include "panes/DisplayFormats.h"
#include "platform/Shell.h"
#include "support/FakeVolumes.h"

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

// Dates as whole seconds since the epoch, so texts can be asserted verbatim.
inline DisplayFormats fixedFormats() {
    DisplayFormats formats;
    formats.generalDate = [](std::int64_t ns) {
        return "T" + std::to_string(ns / 1'000'000'000);
    };
    return formats;
}

} // namespace tidecopy::test
