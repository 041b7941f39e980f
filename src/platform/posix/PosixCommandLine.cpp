#include "platform/CommandLine.h"

namespace tidecopy {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

} // namespace tidecopy
