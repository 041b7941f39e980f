#pragma once

#include <string>

namespace tidecopy {

// A version of the program: three single digits (the build refuses any other).
struct ProductVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// This build's version.
inline constexpr ProductVersion thisVersion{TIDECOPY_VERSION_MAJOR, TIDECOPY_VERSION_MINOR,
                                            TIDECOPY_VERSION_PATCH};

// The parts written one after the other: "321" for 3.2.1.
std::string versionDigits(ProductVersion version);
// The same digits as the number the version file holds: 321.
int versionNumber(ProductVersion version);
// "Tidecopy V.3.2.1", the about box's version label.
std::string versionLabel(ProductVersion version);
// "Orn-Tidecopy v321", the subject of a mail to the maker.
std::string mailSubject(ProductVersion version);

// A version file's number of three digits or more shown with dots: its first, second and
// last digit (321 gives "3.2.1", 3021 gives "3.0.1").
std::string dottedForm(int versionNumber);

} // namespace tidecopy
