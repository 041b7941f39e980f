#pragma once

#include <string>
#include <string_view>

namespace tidecopy {

// The file-name pattern a run lists with, from the filter's text: the part before a
// "[" description ("*.JPG [Pictures]" gives "*.JPG"). An empty or blank pattern stands
// for "*.*".
std::string runPatternOf(std::string_view cmbPatternText);

// The filter text a run starts with: "*.*" when the text holds only blanks.
std::string filterTextForRun(std::string_view cmbPatternText);

} // namespace tidecopy
