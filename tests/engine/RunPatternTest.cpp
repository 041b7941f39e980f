#include "engine/RunPattern.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(RunPattern, TakesThePartBeforeTheDescriptionAndWidensOnlyAnEmptyOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"*.* [All Files]", "*.*"},
        {"*.JPG [Pictures]", "*.JPG"},
        {"*.MP3 [Music]", "*.MP3"},
        {"* . t x t [x]", "*.txt"},
        {"*.txt", "*.txt"},
        {"a b.txt", "a b.txt"},
        {"*.t", "*.t"},
        {"*.c [C sources]", "*.c"},
        {"a*", "a*"},
        {"x", "x"},
        {"[Only a description]", "*.*"},
        {"", "*.*"},
        {"   ", "*.*"},
        {"report?.doc", "report?.doc"},
    };
    for (const auto& [filter, pattern] : cases)
        EXPECT_EQ(runPatternOf(filter), pattern) << '"' << filter << '"';
}

TEST(RunPattern, OnlyABlankFilterIsReplaced) {
    EXPECT_EQ(filterTextForRun(""), "*.*");
    EXPECT_EQ(filterTextForRun("    "), "*.*");
    EXPECT_EQ(filterTextForRun(" *.txt "), " *.txt ");
}

} // namespace
} // namespace tidecopy
