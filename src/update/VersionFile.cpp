#include "update/VersionFile.h"

#include "config/TextEncoding.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace tidecopy {

namespace {

constexpr std::string_view blanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The whole field as a number of 16 bits, or nothing.
std::optional<int> sixteenBitNumber(std::string_view field) {
    std::int16_t number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    if (error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return number;
}

std::string plainLine(std::string_view text) {
    std::string line(text.substr(0, text.find('\n')));
    std::erase(line, '\r');
    return isValidUtf8(line) ? line : windows1252ToUtf8(line);
}

} // namespace

std::optional<VersionFile> readVersionFile(std::string_view text) {
    const std::size_t end = text.find_first_of(",\n");
    const std::optional<int> number = sixteenBitNumber(trimmed(text.substr(0, end)));
    if (!number)
        return std::nullopt;
    const std::string_view rest = end == std::string_view::npos ? "" : text.substr(end + 1);
    return VersionFile{*number, plainLine(rest)};
}

} // namespace tidecopy
