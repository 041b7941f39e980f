#include "config/TextEncoding.h"

#include <gtest/gtest.h>

using namespace tidecopy;

namespace {

TEST(TextEncoding, StrictUtf8) {
    struct Case {
        std::string text;
        bool valid;
    };
    for (const Case& c : {Case{"plain", true}, Case{"\xC3\xA9", true}, Case{"\xE2\x82\xAC", true},
                          Case{"\xF0\x9F\x98\x80", true}, Case{"\xC3", false},
                          Case{"\xC0\xAF", false},         // overlong "/"
                          Case{"\xE0\x80\xAF", false},     // overlong "/"
                          Case{"\xED\xA0\x80", false},     // surrogate
                          Case{"\xF4\x90\x80\x80", false}, // above U+10FFFF
                          Case{"\xE9t\xE9", false}, Case{"\xFF", false}, Case{"\x80", false}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isValidUtf8(c.text), c.valid);
    }
}

} // namespace
