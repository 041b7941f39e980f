#pragma once

#include <string_view>

namespace tidecopy {

// What became of a print job.
enum class PrintOutcome { Printed, NoPrinter, Failed };

// Prints the log's plain text: the window's prints on the default printer, tests print
// into a file of their own.
class LogPrinter {
public:
    virtual ~LogPrinter() = default;
    virtual PrintOutcome print(std::string_view text) = 0;
};

} // namespace tidecopy
