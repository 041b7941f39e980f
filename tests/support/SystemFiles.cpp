#include "support/SystemFiles.h"

#include "platform/TemporaryName.h"

#include <filesystem>

namespace tidecopy::test {

bool namesSystemError(std::string_view line, std::string_view file, std::string_view posixText) {
    const std::string start = "File '" + std::string(file) + "' Error Occured: ";
#ifdef _WIN32
    (void)posixText;
    return line.starts_with(start) && line.ends_with("\r\n") && line.size() > start.size() + 2 &&
           line.find('\n') == line.size() - 1;
#else
    return line == start + std::string(posixText) + "\r\n";
#endif
}

std::vector<std::string> temporariesIn(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (isTemporaryName(entry.path().filename().string()))
            found.push_back(entry.path().filename().string());
    return found;
}

} // namespace tidecopy::test
