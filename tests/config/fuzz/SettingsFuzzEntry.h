#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tidecopy::fuzz {

// Loads the bytes as a settings file and as a profile, in a world where no folder and no
// drive exists. Returns the first rule of loading that the result breaks, or empty text.
std::string loadSettingsBytes(const std::uint8_t* data, std::size_t size);

} // namespace tidecopy::fuzz
