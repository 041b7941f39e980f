#include "log/LogSearch.h"

#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

const std::string noMore = "No more occurances of this word.";

// Find, then Find Next until nothing more is found: each press's selection, the blank
// that directly follows a match included.
TEST(LogSearch, FindsEachOccurrenceThenSaysThereAreNoMore) {
    struct Case {
        const char* name;
        std::u16string text;
        std::u16string word;
        std::vector<TextSpan> selections;
    };
    const Case cases[] = {
        {"a word twice", u"copy this word and that word", u"word", {{10, 5}, {24, 4}}},
        {"parts of words, going on from the match's end", u"banana split", u"an", {{1, 2}, {3, 2}}},
        {"letters of either case", u"Backup done\nBACKUP again", u"backup", {{0, 7}, {12, 7}}},
        {"A and Z are letters too", u"zip ZAP aza", u"Za", {{4, 2}, {9, 2}}},
        {"only the blank right after the match", u"word\tword  x", u"word", {{0, 4}, {5, 5}}},
        {"a blank at the very end", u"end ", u"end", {{0, 4}}},
        {"not there", u"nothing here", u"missing", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompts prompts;
        prompts.expectMessage("", noMore, PromptButtons::Ok);
        LogSearch search(prompts);
        std::vector<TextSpan> found;
        std::optional<TextSpan> match = search.find(c.text, c.word);
        while (match) {
            found.push_back(*match);
            match = search.findNext(c.text, *match);
        }
        EXPECT_EQ(found, c.selections);
        EXPECT_EQ(search.strOldfind(), c.word);
        EXPECT_TRUE(search.findNextEnabled());
    }
}

// An empty word does nothing. Find Next goes on after whatever the user selected since,
// and Find starts at the top.
TEST(LogSearch, FindNextGoesOnAfterTheUsersSelection) {
    ScriptedPrompts prompts;
    LogSearch search(prompts);
    EXPECT_EQ(search.find(u"some text", u""), std::nullopt);
    EXPECT_FALSE(search.findNextEnabled());
    EXPECT_EQ(search.findNext(u"some text", {}), std::nullopt);
    EXPECT_TRUE(search.strOldfind().empty());
    const std::u16string text = u"ab ab ab ab";
    EXPECT_EQ(search.find(text, u"ab"), (TextSpan{0, 3}));
    EXPECT_EQ(search.findNext(text, {4, 3}), (TextSpan{9, 2}));
    EXPECT_EQ(search.findNext(text, {7, 0}), (TextSpan{9, 2}));
    EXPECT_EQ(search.find(text, u"ab"), (TextSpan{0, 3}));
    prompts.expectMessage("", noMore, PromptButtons::Ok);
    EXPECT_EQ(search.findNext(text, {20, 0}), std::nullopt);
}

// The front end's case folding decides what counts as the same letter.
TEST(LogSearch, UsesTheGivenCaseFolding) {
    ScriptedPrompts prompts;
    LogSearch search(prompts, [](std::u16string_view text) {
        std::u16string folded(text);
        for (char16_t& c : folded)
            if (c == u'\u00C9')
                c = u'\u00E9';
        return folded;
    });
    EXPECT_EQ(search.find(u"x \u00C9t\u00C9", u"\u00E9t\u00E9"), (TextSpan{2, 3}));
}

} // namespace
} // namespace tidecopy::test
