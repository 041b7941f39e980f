#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tidecopy {

// How the status texts write numbers and dates for the user's locale. The window fills
// it from the toolkit's locale; tests use fixed formats.
struct DisplayFormats {
    std::string thousandsSeparator = ",";
    // A file time (nanoseconds since the Unix epoch, UTC) as the locale's general date:
    // the short date, a blank and the time with seconds.
    std::function<std::string(std::int64_t modifiedNs)> generalDate;
};

} // namespace tidecopy
