#include "platform/Enumeration.h"

#include "platform/FileAttributes.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct WildcardCase {
    const char* pattern;
    const char* name;
    bool matches;
};

class Wildcards : public testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcards, MatchLikeTheNativeSearch) {
    const WildcardCase& c = GetParam();
    EXPECT_EQ(matchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " vs " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Wildcards,
    testing::Values(
        WildcardCase{"*.*", "a.txt", true}, WildcardCase{"*.*", "README", true},
        WildcardCase{"readme.md", "README.md", true},
        WildcardCase{"readme.md", "readme.mdx", false}, WildcardCase{"*.*", ".hidden", true},
        WildcardCase{"*", "anything.at.all", true}, WildcardCase{"*.JPG", "holiday.jpg", true},
        WildcardCase{"*.jpg", "HOLIDAY.JPG", true}, WildcardCase{"*.txt", "a.doc", false},
        WildcardCase{"*.txt", "a.txt.bak", false}, WildcardCase{"a?c", "abc", true},
        WildcardCase{"a?c", "ac", false}, WildcardCase{"a*b*c", "axxbyyc", true},
        WildcardCase{"a*b*c", "axxbyy", false}, WildcardCase{"*.MP3", "song.mp3", true},
        WildcardCase{"data.*", "data", true}, WildcardCase{"data.*", "database", false},
        WildcardCase{"", "", true}, WildcardCase{"", "a", false},
        WildcardCase{"*a", "\xc3\xa9\x61", true}));

struct MaskCase {
    std::uint32_t attributes;
    std::uint32_t mask;
    bool passes;
};

class AttributeMasks : public testing::TestWithParam<MaskCase> {};

TEST_P(AttributeMasks, SelectByFolderHiddenAndSystem) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(passesAttributeMask(c.attributes, c.mask), c.passes)
        << c.attributes << " with mask " << c.mask;
}

using namespace FileAttribute;
INSTANTIATE_TEST_SUITE_P(
    Table, AttributeMasks,
    testing::Values(MaskCase{Archive, 32, true}, MaskCase{Archive | ReadOnly, 32, true},
                    MaskCase{Directory, 32, false}, MaskCase{Hidden | Archive, 32, false},
                    MaskCase{System, 32, false}, MaskCase{Directory, 16, true},
                    MaskCase{Directory | Hidden, 16, false}, MaskCase{Archive, 16, true},
                    MaskCase{Archive, 0, true}, MaskCase{ReadOnly, 0, true},
                    MaskCase{Hidden, 0, false}, MaskCase{Directory, 0, false},
                    MaskCase{Directory | Hidden, 18, true}, MaskCase{System | Hidden, 6, true}));

} // namespace
} // namespace tidecopy
