#pragma once

#include "panes/DisplayFormats.h"

#include <string>
#include <vector>

namespace tidecopy::test {

// Dates as whole seconds since the epoch, so texts can be asserted verbatim.
inline DisplayFormats fixedFormats() {
    DisplayFormats formats;
    formats.generalDate = [](std::int64_t ns) {
        return "T" + std::to_string(ns / 1'000'000'000);
    };
    return formats;
}

} // namespace tidecopy::test
