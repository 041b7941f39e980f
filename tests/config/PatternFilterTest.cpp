#include "config/PatternFilter.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct PatternCase {
    const char* text;
    bool added;
    std::vector<std::string> items;
};

class PatternFilter : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternFilter, NewTextsGoFirstKnownOnesAreKeptWhereTheyAre) {
    const PatternCase& c = GetParam();
    PatternCombo combo{c.text, {"*.* [All Files]", "*.JPG [Pictures]"}};
    EXPECT_EQ(addPatternIfNew(combo), c.added);
    EXPECT_EQ(combo.items, c.items);
    EXPECT_EQ(combo.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PatternFilter,
    testing::Values(PatternCase{"*.doc", true, {"*.doc", "*.* [All Files]", "*.JPG [Pictures]"}},
                    PatternCase{"*.jpg [pictures]", false, {"*.* [All Files]", "*.JPG [Pictures]"}},
                    PatternCase{"", false, {"*.* [All Files]", "*.JPG [Pictures]"}},
                    // Only whole items match: a prefix is a new pattern.
                    PatternCase{"*.JPG", true, {"*.JPG", "*.* [All Files]", "*.JPG [Pictures]"}}));

} // namespace
} // namespace tidecopy
