#pragma once

#include <string>
#include <vector>

namespace tidecopy {

// The program's arguments (without its name) as UTF-8. On Windows main() gets them in the
// system's code page, which cannot hold every name: they are read again in UTF-16 there.
std::vector<std::string> commandLineArguments(int argc, char** argv);

} // namespace tidecopy
