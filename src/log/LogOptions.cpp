#include "log/LogOptions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tidecopy {

namespace {
constexpr std::int64_t smallestLogLimit = 1000;
constexpr std::int64_t largestLogLimit = std::numeric_limits<std::int32_t>::max();
} // namespace

std::int64_t LogLimitValue(std::string_view logLimit) {
    std::size_t i = logLimit.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0;
    bool negative = false;
    if (logLimit[i] == '-' || logLimit[i] == '+')
        negative = logLimit[i++] == '-';
    std::int64_t value = 0;
    for (; i < logLimit.size() && logLimit[i] >= '0' && logLimit[i] <= '9'; ++i)
        value = std::min(value * 10 + (logLimit[i] - '0'), largestLogLimit);
    return negative ? -value : value;
}

std::size_t logMaxLengthFor(std::string_view logLimit) {
    const std::int64_t value = LogLimitValue(logLimit);
    return value >= smallestLogLimit ? static_cast<std::size_t>(value) : 0;
}

} // namespace tidecopy
