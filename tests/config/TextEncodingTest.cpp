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
                          Case{"\xED\xBF\xBF", false},     // the last surrogate
                          Case{"\xED\x9F\xBF", true},      // the last code point before them
                          Case{"\xF4\x90\x80\x80", false}, // above U+10FFFF
                          Case{"\xE9t\xE9", false}, Case{"\xFF", false}, Case{"\x80", false}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isValidUtf8(c.text), c.valid);
    }
}

// Every byte that starts no valid sequence becomes U+FFFD; valid text stays as it is.
TEST(TextEncoding, InvalidBytesAreReplaced) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(withValidUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80"), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(withValidUtf8("caf\xE9!"), "caf" + replacement + "!");
    EXPECT_EQ(withValidUtf8("\xC3"), replacement);
    EXPECT_EQ(withValidUtf8("\xC0\xAF"), replacement + replacement);
}

// The 8-bit code page keeps its upper half as Latin-1; names compare in lower case A to Z.
TEST(TextEncoding, CodePageAndLowerCase) {
    EXPECT_EQ(windows1252ToUtf8("\x80\x9F\xA0\xE9"), "\xE2\x82\xAC\xC5\xB8\xC2\xA0\xC3\xA9");
    EXPECT_EQ(lowerCase("AZaz@[\xC3\x89"), "azaz@[\xC3\x89");
}

} // namespace
