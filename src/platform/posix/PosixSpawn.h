#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace tidecopy {

// Starting other programs. The first argument names the program, looked up on PATH; no
// shell parses the arguments, so none needs quoting.

// Starts the program and returns at once; a thread of its own reaps it, so it leaves no
// zombie behind.
std::error_code spawnDetached(std::vector<std::string> arguments);

// Runs the program with its input and output on /dev/null and waits for it: an error
// when it could not start or did not end with status 0 (function_not_supported).
std::error_code runToCompletion(std::vector<std::string> arguments);

// Whether an executable file of that name lies in a folder of PATH.
bool isOnPath(const std::string& program);

} // namespace tidecopy
