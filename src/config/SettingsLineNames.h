#pragma once

#include <string>

namespace tidecopy {

// The name the code gives the value on a line (1 to 72) of the settings and profile
// format ("chkSubFolders", "cmbSourceHistory[3]", "Dir1"); empty for the header, the
// markers and the reserved line, which hold no value.
std::string settingsLineName(int line);

// Whether the line holds a number (written with a blank before and after it).
bool settingsLineIsNumber(int line);

// Whether the line holds a field: a text read up to its first comma, unless quoted.
bool settingsLineIsField(int line);

} // namespace tidecopy
