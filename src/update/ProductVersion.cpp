#include "update/ProductVersion.h"

namespace tidecopy {

std::string versionDigits(ProductVersion version) {
    return std::to_string(version.major) + std::to_string(version.minor) +
           std::to_string(version.revision);
}

int versionNumber(ProductVersion version) {
    return std::stoi(versionDigits(version));
}

std::string versionLabel(ProductVersion version) {
    return "Tidecopy V." + std::to_string(version.major) + "." + std::to_string(version.minor) +
           "." + std::to_string(version.revision);
}

std::string mailSubject(ProductVersion version) {
    return "Orn-Tidecopy v" + versionDigits(version);
}

std::string dottedForm(int versionNumber) {
    const std::string digits = std::to_string(versionNumber);
    return std::string{digits.front(), '.', digits[1], '.', digits.back()};
}

} // namespace tidecopy
