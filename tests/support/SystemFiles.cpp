#include "support/SystemFiles.h"

#include "platform/TemporaryName.h"

#include <filesystem>

namespace tidecopy::test {

std::vector<std::string> temporariesIn(const std::string& folder) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (isTemporaryName(entry.path().filename().string()))
            found.push_back(entry.path().filename().string());
    return found;
}

} // namespace tidecopy::test
