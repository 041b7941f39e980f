#include "engine/RunTimeTexts.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

using namespace std::chrono_literals;

struct DurationCase {
    std::int64_t seconds;
    const char* text;
};

class FormatDurationText : public testing::TestWithParam<DurationCase> {};

TEST_P(FormatDurationText, IsHoursMinutesSeconds) {
    EXPECT_EQ(FormatDuration(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatDurationText,
    testing::Values(DurationCase{0, "00:00:00"}, DurationCase{1, "00:00:01"},
                    DurationCase{59, "00:00:59"}, DurationCase{60, "00:01:00"},
                    DurationCase{65, "00:01:05"}, DurationCase{3599, "00:59:59"},
                    DurationCase{3665, "01:01:05"}, DurationCase{86399, "23:59:59"},
                    DurationCase{86400, "24:00:00"}, DurationCase{360000, "100:00:00"}));

struct ElapsedCase {
    std::chrono::nanoseconds elapsed;
    std::int64_t seconds;
};

class ReportedDuration : public testing::TestWithParam<ElapsedCase> {};

TEST_P(ReportedDuration, RoundsUpToWholeSeconds) {
    EXPECT_EQ(reportedDurationSeconds(GetParam().elapsed), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Table, ReportedDuration,
                         testing::Values(ElapsedCase{0ns, 1}, ElapsedCase{300ms, 1},
                                         ElapsedCase{1s, 1}, ElapsedCase{1001ms, 2},
                                         ElapsedCase{61min + 4s + 200ms, 3665},
                                         ElapsedCase{61min + 5s, 3665}));

struct PercentageCase {
    std::size_t fileNumber;
    std::size_t fileCount;
    int percentage;
};

class ProgressPercentage : public testing::TestWithParam<PercentageCase> {};

TEST_P(ProgressPercentage, IsOneAheadAndCappedAt100) {
    const PercentageCase& c = GetParam();
    EXPECT_EQ(progressPercentage(c.fileNumber, c.fileCount), c.percentage)
        << c.fileNumber << " of " << c.fileCount;
}

INSTANTIATE_TEST_SUITE_P(Table, ProgressPercentage,
                         testing::Values(PercentageCase{1, 1, 100}, PercentageCase{1, 3, 34},
                                         PercentageCase{2, 3, 67}, PercentageCase{3, 3, 100},
                                         PercentageCase{1, 1000, 1}, PercentageCase{99, 100, 100},
                                         PercentageCase{100, 100, 100},
                                         PercentageCase{80000, 80000, 100}));

struct ProgressCase {
    RunKind kind;
    RunPace pace;
    const char* percentage;
    const char* remaining;
};

class ProgressText : public testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressText, ShowsPercentageAndTimeRemaining) {
    const ProgressCase& c = GetParam();
    const std::string copying =
        c.kind == RunKind::Preview ? "Preview Copying Files... " : "Copying Files... ";
    EXPECT_EQ(progressText(c.kind, c.pace),
              copying + c.percentage + "% - Estimated Time Remaining " + c.remaining);
}

constexpr std::uint64_t gigabyte = 1'000'000'000;
constexpr RunKind backup = RunKind::Backup;
constexpr RunKind preview = RunKind::Preview;

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressText,
    testing::Values(
        ProgressCase{backup, {1, 4, 10s}, "26", "00:00:30"},
        ProgressCase{preview, {2, 4, 20min}, "51", "00:20:00"},
        ProgressCase{backup, {4, 4, 20min}, "100", "00:00:00"},
        ProgressCase{backup, {1, 3, 1s + 500ms}, "34", "00:00:03"},
        ProgressCase{backup, {3, 10, 1s}, "31", "00:00:02"},
        ProgressCase{backup, {1, 100, 1h}, "2", "99:00:00"},
        ProgressCase{backup, {1, 2, 0ns}, "51", "00:00:00"},
        // A large last file counts down with its bytes: a third in 10 s leaves 20 s.
        ProgressCase{backup, {4, 4, 1min, 10s, 3 * gigabyte / 2, gigabyte / 2}, "100", "00:00:20"},
        ProgressCase{backup, {4, 4, 1min, 20s, 3 * gigabyte / 2, gigabyte}, "100", "00:00:10"},
        // Before its first chunk and after its last, a file adds nothing to the files'.
        ProgressCase{backup, {1, 4, 10s, 5s, gigabyte, 0}, "26", "00:00:30"},
        ProgressCase{backup, {1, 4, 10s, 5s, gigabyte, gigabyte}, "26", "00:00:30"},
        // The rest of the current file and the files after it add up.
        ProgressCase{backup, {2, 4, 10s, 4s, 400, 100}, "51", "00:00:22"}));

} // namespace
} // namespace tidecopy
