#include "panes/DirSizeText.h"

#include "panes/FolderContents.h"

namespace tidecopy {

namespace {

// Nearest whole number; halves go to the even neighbour.
std::uint64_t roundedQuotient(std::uint64_t value, std::uint64_t divisor) {
    const std::uint64_t quotient = value / divisor;
    const std::uint64_t twiceRemainder = (value % divisor) * 2;
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

} // namespace

std::string groupedDigits(std::uint64_t number, std::string_view separator) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, separator);
    return digits;
}

std::string dirSizeText(std::uint64_t totalBytes, std::string_view thousandsSeparator) {
    const std::uint64_t kilobytes = roundedQuotient(totalBytes, 1024);
    if (kilobytes >= 1'000'000)
        return groupedDigits(roundedQuotient(totalBytes, 1'000'000'000), thousandsSeparator) + "Gb";
    return groupedDigits(roundedQuotient(totalBytes, 1'000'000), thousandsSeparator) + "Mb";
}

std::string GetDirSize(FileSystem& fs, const PathStyle& style, const std::string& folder,
                       std::string_view thousandsSeparator) {
    const Result<FolderContents> contents = readFolderContents(fs, style, folder);
    return dirSizeText(contents ? contents->plainFileBytes : 0, thousandsSeparator);
}

} // namespace tidecopy
