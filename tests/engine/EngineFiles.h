#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tidecopy::test {

// Direct looks at real files for the engine's tests, bypassing the code under test.
void setModifiedNs(const std::string& path, std::int64_t ns);
std::int64_t modifiedNs(const std::string& path);
std::uint32_t permissionsOf(const std::string& path);
// Our temporaries left in a folder.
std::vector<std::string> temporariesIn(const std::string& folder);

} // namespace tidecopy::test
