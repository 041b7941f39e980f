#include "log/LogOptions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tidecopy {

namespace {
constexpr std::int64_t smallestLogLimit = 1000;
constexpr std::int64_t largestLogLimit = std::numeric_limits<std::int32_t>::max();
} // namespace

std::int64_t LogLimitValue(std::string_view LogLimit) {
    std::size_t i = LogLimit.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0;
    bool negative = false;
    if (LogLimit[i] == '-' || LogLimit[i] == '+')
        negative = LogLimit[i++] == '-';
    std::int64_t value = 0;
    for (; i < LogLimit.size() && LogLimit[i] >= '0' && LogLimit[i] <= '9'; ++i)
        value = std::min(value * 10 + (LogLimit[i] - '0'), largestLogLimit);
    return negative ? -value : value;
}

std::size_t logMaxLengthFor(std::string_view LogLimit) {
    const std::int64_t value = LogLimitValue(LogLimit);
    return value >= smallestLogLimit ? static_cast<std::size_t>(value) : 0;
}

} // namespace tidecopy
