#include "log/LogOptions.h"

#include <charconv>

namespace tidecopy {

namespace {

constexpr std::int64_t smallestLogLimit = 1000;

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::int64_t LogLimitValue(std::string_view LogLimit) {
    std::string_view digits = withoutBlanks(LogLimit);
    // from_chars takes a minus sign but not a plus sign.
    if (digits.starts_with('+') && !digits.substr(1).starts_with('-'))
        digits.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return 0;
    return value;
}

std::size_t logMaxLengthFor(std::string_view LogLimit) {
    const std::int64_t value = LogLimitValue(LogLimit);
    return value >= smallestLogLimit ? static_cast<std::size_t>(value) : 0;
}

} // namespace tidecopy
