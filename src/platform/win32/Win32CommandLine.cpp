#include "platform/CommandLine.h"
#include "platform/win32/WideText.h"

#include <windows.h>
// These build on the types windows.h declares.
#include <shellapi.h>

namespace tidecopy {

std::vector<std::string> commandLineArguments(int, char**) {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments != nullptr && i < count; ++i)
        result.push_back(narrowed(arguments[i]));
    ::LocalFree(arguments);
    return result;
}

} // namespace tidecopy
