#include "panes/FreeSpaceText.h"

#include <algorithm>
#include <cctype>

namespace tidecopy {

namespace {

// Bytes / 10,000, rounded to the nearest whole number with halves to the even neighbour.
std::uint64_t hundredthsOfMegabytes(std::uint64_t bytes) {
    const std::uint64_t quotient = bytes / 10'000;
    const std::uint64_t remainder = bytes % 10'000;
    if (remainder > 5'000 || (remainder == 5'000 && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

std::string figureOf(std::uint64_t bytes, const char* megabyteUnit, const char* gigabyteUnit) {
    const std::uint64_t f = hundredthsOfMegabytes(bytes);
    if (f / 100 >= 1000)
        return std::to_string(f / 100'000) + gigabyteUnit;
    return std::to_string(f / 100) + megabyteUnit;
}

std::string upperCased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

std::string freeSpaceText(const std::string& driveText, std::uint64_t freeBytes,
                          std::uint64_t totalBytes) {
    return driveText + " " + figureOf(freeBytes, " Mb free of ", " Gb free of ") +
           figureOf(totalBytes, " Mb", " Gb");
}

std::string GetFreeSpace(Volumes& volumes, const PathStyle& style, const std::string& path) {
    std::string driveText;
    if (style.flavor() == PathStyle::Flavor::Windows) {
        driveText = upperCased(path.substr(0, 2));
    } else {
        const std::vector<Volume> mounted = volumes.list();
        const Volume* volume = volumeHolding(mounted, path);
        driveText = volume != nullptr ? volume->mountPoint : path;
    }
    const Result<SpaceInfo> space = volumes.space(path);
    return space ? freeSpaceText(driveText, space->freeBytes, space->totalBytes)
                 : freeSpaceText(driveText, 0, 0);
}

} // namespace tidecopy
