#include "config/OptionSet.h"

#include <algorithm>
#include <limits>

namespace tidecopy {

void OptionSet::keepChangedFilesTestingSize() {
    if (DateCondition == 0 && chkSizeFiles == 0)
        chkSizeFiles = 1;
}

std::int32_t OptionSet::logLimitValue() const {
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    std::size_t i = LogLimit.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (LogLimit[i] == '-' || LogLimit[i] == '+')
        negative = LogLimit[i++] == '-';
    std::int64_t value = 0;
    for (; i < LogLimit.size() && LogLimit[i] >= '0' && LogLimit[i] <= '9'; ++i)
        value = std::min(value * 10 + (LogLimit[i] - '0'), highest + 1);
    return static_cast<std::int32_t>(negative ? -std::min(value, highest)
                                              : std::min(value, highest));
}

} // namespace tidecopy
