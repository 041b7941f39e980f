#include "engine/CopyDecision.h"

#include "support/FaultyFileSystem.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

constexpr std::int64_t second = 1'000'000'000;
constexpr std::int64_t twoSeconds = 2 * second;

struct DateCase {
    int condition;
    std::int64_t sourceNs;
    std::int64_t targetNs;
    std::int64_t resolutionNs;
    bool expected;
};

class DateRule : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateRule, WholeSecondsAndCoarseVolumes) {
    const DateCase& c = GetParam();
    EXPECT_EQ(dateRuleHolds(c.condition, c.sourceNs, c.targetNs, c.resolutionNs), c.expected);
}

constexpr std::int64_t t0 = 1'700'000'000 * second;

INSTANTIATE_TEST_SUITE_P(
    Cases, DateRule,
    ::testing::Values(
        // One second counts; a difference inside one second does not, across a second it does.
        DateCase{1, t0, t0 - second, 1, true}, DateCase{1, t0, t0, 1, false},
        DateCase{1, t0 + 100'000'000, t0 + 900'000'000, 1, false},
        DateCase{1, t0 + 900'000'000, t0 + second + 100'000'000, 1, true},
        DateCase{1, -second / 2, 0, 1, true}, // before 1970: seconds still floor
        DateCase{2, t0, t0 - second, 1, true}, DateCase{2, t0, t0 + second, 1, false},
        DateCase{3, t0, t0 + second, 1, true}, DateCase{3, t0, t0 - second, 1, false},
        DateCase{0, t0, t0 - 5 * second, 1, false}, DateCase{4, t0, t0 - 5 * second, 1, false},
        // FAT keeps two seconds: a copy stored a second and a half early is unchanged.
        DateCase{1, t0 + 1'500'000'000, t0, twoSeconds, false},
        DateCase{1, t0, t0 + 1'999'999'999, twoSeconds, false},
        DateCase{1, t0, t0 + twoSeconds, twoSeconds, true},
        DateCase{2, t0 + 3 * second, t0, twoSeconds, true}));

class CopyDecisionTest : public ::testing::Test {
protected:
    CopyDecisionTest() {
        m_source = m_temp.writeFile("src/f.txt", "12345");
        setModifiedNs(m_source, t0);
        m_target = m_temp / "dst/f.txt";
        m_temp.makeFolder("dst");
    }
    void target(std::string_view contents, std::int64_t ns) {
        m_temp.writeFile("dst/f.txt", contents);
        setModifiedNs(m_target, ns);
    }

    TempFolder m_temp;
    FaultyFileSystem m_fs;
    std::string m_source;
    std::string m_target;
};

CopyDecisionOptions conditional(bool newFiles, bool changed, int dateCondition, bool size) {
    return {true, newFiles, changed, dateCondition, size, std::nullopt};
}

struct DecisionCase {
    const char* what;
    CopyDecisionOptions options;
    bool targetExists;
    std::string_view targetContents;
    std::int64_t targetNs;
    bool expectCopy;
    std::size_t expectExisting;
};

TEST_F(CopyDecisionTest, RulesInTheirOrder) {
    const DecisionCase cases[] = {
        {"always copies an existing target", {}, true, "12345", t0, true, 0},
        {"new files: existing skipped and counted even when changed",
         conditional(true, false, 1, true), true, "1", t0 - second, false, 1},
        {"new files: missing copied", conditional(true, false, 1, true), false, "", 0, true, 0},
        {"changed: one second older copied", conditional(false, true, 1, false), true, "12345",
         t0 - second, true, 0},
        {"changed: same time and size skipped", conditional(false, true, 1, true), true, "12345",
         t0, false, 0},
        {"changed: missing skipped", conditional(false, true, 1, true), false, "", 0, false, 0},
        {"newer rule says no, size rule says yes", conditional(false, true, 2, true), true,
         "123456", t0 + second, true, 0},
        {"newer rule says no, size rule off", conditional(false, true, 2, false), true, "123456",
         t0 + second, false, 0},
        {"both conditions cleared", conditional(false, false, 1, true), true, "1", 0, false, 0},
        {"existing and changed: counted, then copied by the date rule",
         conditional(true, true, 1, false), true, "12345", t0 - second, true, 1},
    };
    for (const DecisionCase& c : cases) {
        SCOPED_TRACE(c.what);
        ::unlink(m_target.c_str());
        if (c.targetExists)
            target(c.targetContents, c.targetNs);
        CopyDecision decision(m_fs, PathStyle::native(), c.options);
        EXPECT_EQ(decision.shouldCopy(m_source, m_target), c.expectCopy);
        EXPECT_EQ(decision.ExistingCount(), c.expectExisting);
    }
}

// For new files, a hidden target, a folder of the target's name and (on POSIX, where "?"
// is part of a name; Windows allows none) a name that would match as a pattern are no
// existing files.
TEST_F(CopyDecisionTest, NewFilesSeeNoHiddenTargetFolderOrPatternMatch) {
    m_temp.writeFile("src/.h", "x");
    m_temp.writeFile("dst/.h", "x");
    m_temp.makeFolder("dst/f.txt");
    std::vector<std::string> names = {".h", "f.txt"};
#ifndef _WIN32
    m_temp.writeFile("src/f?.txt", "x");
    m_temp.writeFile("dst/fa.txt", "x");
    names.push_back("f?.txt");
#endif
    for (const std::string& name : names) {
        CopyDecision decision(m_fs, PathStyle::native(), conditional(true, false, 0, false));
        EXPECT_TRUE(decision.shouldCopy(m_temp / ("src/" + name), m_temp / ("dst/" + name)));
        EXPECT_EQ(decision.ExistingCount(), 0u) << name;
    }
}

TEST_F(CopyDecisionTest, AnUnchangedFileIsLookedAtOnceOnEachSide) {
    target("12345", t0);
    CopyDecision decision(m_fs, PathStyle::native(), conditional(true, true, 1, true));
    EXPECT_FALSE(decision.shouldCopy(m_source, m_target));
    EXPECT_EQ(decision.ExistingCount(), 1u);
    EXPECT_EQ(m_fs.callCount(FsOperation::EntryInfo), 2);
    // Where a look inside an open folder costs less, each side's folder is opened once for
    // all its files.
    EXPECT_FALSE(decision.shouldCopy(m_source, m_target));
    EXPECT_EQ(m_fs.callCount(FsOperation::OpenFolder), m_fs.looksInOpenFoldersCostLess() ? 2 : 0);
}

TEST_F(CopyDecisionTest, AnUnreadableSideIsNeverCopiedByTheChangedRules) {
    target("1", t0 - 5 * second);
    for (const char* unreadable : {"dst/f.txt", "src/f.txt"}) {
        SCOPED_TRACE(unreadable);
        m_fs.clearFaults();
        m_fs.failOn(FsOperation::EntryInfo, unreadable, std::make_error_code(std::errc::io_error));
        CopyDecision decision(m_fs, PathStyle::native(), conditional(false, true, 1, true));
        EXPECT_FALSE(decision.CheckTimeAndDate(m_source, m_target));
        EXPECT_FALSE(decision.CheckFileSize(m_source, m_target));
        EXPECT_FALSE(decision.shouldCopy(m_source, m_target));
    }
}

TEST_F(CopyDecisionTest, InjectedCoarseResolutionAppliesToTheTarget) {
    target("12345", t0 - 1'500'000'000);
    auto options = conditional(false, true, 1, false);
    EXPECT_TRUE(CopyDecision(m_fs, PathStyle::native(), options).shouldCopy(m_source, m_target));
    options.timestampResolutionNs = twoSeconds;
    EXPECT_FALSE(CopyDecision(m_fs, PathStyle::native(), options).shouldCopy(m_source, m_target));
}

TEST_F(CopyDecisionTest, SizesBeyondFourGibibytesCompareInFull) {
    // Sizes equal modulo 2^32 must still differ.
    const std::uint64_t fourGiB = std::uint64_t{1} << 32;
    std::filesystem::resize_file(m_source, fourGiB + 5);
    target("12345", t0);
    CopyDecision decision(m_fs, PathStyle::native(), conditional(false, true, 0, true));
    EXPECT_TRUE(decision.CheckFileSize(m_source, m_target));
}

} // namespace
} // namespace tidecopy::test
