#include "log/ActivityLog.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tidecopy {
namespace {

struct LimitCase {
    const char* name;
    std::size_t maxLength;
    std::vector<std::string> appends;
    std::string expected;
};

class ActivityLogLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(ActivityLogLimit, KeepsTheNewestText) {
    const LimitCase& c = GetParam();
    ActivityLog log;
    log.setMaxLength(c.maxLength);
    for (const std::string& text : c.appends)
        log.append(text);
    EXPECT_EQ(log.text(), c.expected);
    EXPECT_EQ(log.characterCount(), logCharacterCount(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ActivityLogLimit,
    testing::Values(
        LimitCase{"Unlimited", 0, {"one\r\n", "two\r\n", "three\r\n"}, "one\r\ntwo\r\nthree\r\n"},
        LimitCase{"ExactlyAtTheLimit", 10, {"one\r\n", "two\r\n"}, "one\r\ntwo\r\n"},
        LimitCase{
            "DropsTheOldestWholeLine", 12, {"one\r\n", "two\r\n", "six\r\n"}, "two\r\nsix\r\n"},
        LimitCase{
            "DropsSeveralLines", 12, {"one\r\n", "two\r\n", "three\r\n", "four\r\n"}, "four\r\n"},
        LimitCase{"LineWithoutEndCountsAsOneLine",
                  14,
                  {"one\r\ntwo", " more\r\n", "x\r\n"},
                  "two more\r\nx\r\n"},
        LimitCase{
            "OneLongAppendReplacesEverything", 8, {"old\r\n", "abc\r\nxyzxyz\r\n"}, "xyzxyz\r\n"},
        LimitCase{"OneLineLongerThanTheLimitKeepsItsEnd", 5, {"abcdefgh"}, "defgh"},
        LimitCase{"TheLastLineEndIsNoLineToStartFrom", 5, {"abcdefgh\r\n"}, "fgh\r\n"},
        LimitCase{"ItIsOneForTheNextAppend", 5, {"abcdefgh\r\n", "xy"}, "xy"},
        LimitCase{"CountsCharactersNotBytes",
                  5,
                  {"\xC3\xA9\xC3\xA9\xC3\xA9\r\n"},
                  "\xC3\xA9\xC3\xA9\xC3\xA9\r\n"},
        LimitCase{
            "NeverSplitsACharacter", 3, {"a\xC3\xA9\xC3\xBC\xC3\xB6"}, "\xC3\xA9\xC3\xBC\xC3\xB6"}),
    test::caseName<LimitCase>);

TEST(ActivityLog, EveryChangeMakesItDirty) {
    ActivityLog log;
    EXPECT_FALSE(log.LogDirty());
    log.append("* Backup\r\n");
    EXPECT_TRUE(log.LogDirty());
    log.clearLogDirty();
    EXPECT_FALSE(log.LogDirty());
    log.replaceText("");
    EXPECT_TRUE(log.LogDirty());
}

TEST(ActivityLog, AChangedLimitAppliesFromTheNextAppend) {
    ActivityLog log;
    log.append("a line of the preview\r\n");
    log.setMaxLength(10);
    EXPECT_EQ(log.text(), "a line of the preview\r\n");
    log.append("end\r\n");
    EXPECT_EQ(log.text(), "end\r\n");
}

TEST(ActivityLog, ReplacingTheTextTellsTheViewWhatWent) {
    ActivityLog log;
    log.append("old text\r\n");
    std::vector<std::pair<std::string, std::size_t>> changes;
    log.setChangeListener([&](const LogChange& change) {
        changes.emplace_back(std::string(change.added), change.droppedCharacters);
    });
    log.replaceText("opened\r\n");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].first, "opened\r\n");
    EXPECT_EQ(changes[0].second, 10u);
    EXPECT_EQ(log.text(), "opened\r\n");
}

// Drops the first characters of UTF-8 text, as a view does when the log reports it.
std::string withoutFirstCharacters(const std::string& text, std::size_t characters) {
    std::size_t bytes = 0;
    std::size_t seen = 0;
    for (; bytes < text.size(); ++bytes) {
        const bool startsCharacter = (static_cast<unsigned char>(text[bytes]) & 0xC0) != 0x80;
        if (startsCharacter && seen++ == characters)
            break;
    }
    return text.substr(bytes);
}

// A view that applies only the reported changes must show the log's text after each one,
// also over many appends under a limit (when the kept text is moved down in memory).
TEST(ActivityLog, ReportedChangesRebuildTheText) {
    for (const std::size_t maxLength : {std::size_t{0}, std::size_t{1000}, std::size_t{7}}) {
        ActivityLog log;
        log.setMaxLength(maxLength);
        std::string view;
        log.setChangeListener([&](const LogChange& change) {
            view =
                withoutFirstCharacters(view, change.droppedCharacters) + std::string(change.added);
        });
        for (int i = 0; i < 3000; ++i) {
            std::string line = "File " + std::to_string(i) + (i % 7 == 0 ? " \xC3\xA9" : "");
            if (i % 5 != 0)
                line += "\r\n";
            log.append(line);
            ASSERT_EQ(view, log.text()) << "after append " << i << ", limit " << maxLength;
            if (maxLength != 0) {
                ASSERT_LE(log.characterCount(), maxLength);
            }
        }
        EXPECT_TRUE(log.text().ends_with(maxLength == 7 ? "2999\r\n" : "File 2999\r\n"));
    }
}

} // namespace
} // namespace tidecopy
