#include "log/LogOptions.h"

#include <gtest/gtest.h>
#include <string>

namespace tidecopy {
namespace {

struct LimitTextCase {
    const char* LogLimit;
    std::int64_t value;
    std::size_t maxLength;
};

class LogLimitText : public testing::TestWithParam<LimitTextCase> {};

TEST_P(LogLimitText, GivesTheNumberAndTheMaximumLength) {
    const LimitTextCase& c = GetParam();
    EXPECT_EQ(LogLimitValue(c.LogLimit), c.value) << '"' << c.LogLimit << '"';
    EXPECT_EQ(logMaxLengthFor(c.LogLimit), c.maxLength) << '"' << c.LogLimit << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, LogLimitText,
    testing::Values(LimitTextCase{"", 0, 0}, LimitTextCase{"0", 0, 0}, LimitTextCase{"500", 500, 0},
                    LimitTextCase{"999", 999, 0}, LimitTextCase{"1000", 1000, 1000},
                    LimitTextCase{"9999999", 9999999, 9999999}, LimitTextCase{" 2000 ", 2000, 2000},
                    LimitTextCase{"+3000", 3000, 3000}, LimitTextCase{"-5000", -5000, 0},
                    LimitTextCase{"+-5000", 0, 0}, LimitTextCase{"1000abc", 1000, 1000},
                    LimitTextCase{" 20000 lines", 20000, 20000}, LimitTextCase{"1 000", 1, 0},
                    LimitTextCase{"abc", 0, 0},
                    LimitTextCase{"99999999999999999999", 2147483647, 2147483647}));

} // namespace
} // namespace tidecopy
