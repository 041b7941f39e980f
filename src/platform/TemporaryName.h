#pragma once

#include <string>
#include <string_view>

namespace tidecopy {

// Names of our own temporary files: ".tidecopy-" + 16 hex digits + ".tmp". Short and
// independent of the target's name, so they fit every name-length limit; hidden, so no
// listing picks them up; recognisable, so a crash's leftovers can be removed later.
std::string makeTemporaryName();
bool isTemporaryName(std::string_view name);

} // namespace tidecopy
