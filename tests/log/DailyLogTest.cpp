#include "log/DailyLog.h"

#include "platform/NativeFileSystem.h"
#include "support/CaseName.h"
#include "support/FakeClock.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

const LocalDateTime june21st2016{2016, 6, 21, 23, 59, 58};
const std::string twentyCharacters = "* Backup done.\r\nOK\r\n";

class DailyLog : public testing::Test {
protected:
    void SetUp() override { logs = temp.makeFolder("Logs"); }

    void save(std::string_view text, bool chkLog = true) {
        SaveDailyLog(fs, PathStyle::native(), clock, logs, chkLog, text);
    }
    std::size_t fileCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(logs),
                                                      std::filesystem::directory_iterator()));
    }

    test::TempFolder temp;
    NativeFileSystem fs;
    test::FakeClock clock{june21st2016};
    std::string logs;
};

TEST(DailyLogName, IsTheDateInTwoDigitParts) {
    EXPECT_EQ(dailyLogBaseName({2000, 1, 5, 0, 0, 0}), "Log 00-01-05.log");
    EXPECT_EQ(dailyLogBaseName({2099, 12, 31, 0, 0, 0}), "Log 99-12-31.log");
}

TEST_F(DailyLog, SavingTwiceOnOneDayNumbersTheFilesButNeverWritesOneTextTwice) {
    save(twentyCharacters);
    save(twentyCharacters);
    save("second save of the day\r\n");
    save(twentyCharacters);
    save("second save of the day"); // the same text once its line is ended
    EXPECT_EQ(temp.readFile("Logs/Log 16-06-21 01.log"), twentyCharacters);
    EXPECT_EQ(temp.readFile("Logs/Log 16-06-21 02.log"), "second save of the day\r\n");
    EXPECT_EQ(fileCount(), 2u);
}

TEST_F(DailyLog, TakesTheFirstFreeNumber) {
    temp.writeFile("Logs/Log 16-06-21 01.log", "kept");
    temp.writeFile("Logs/Log 16-06-21 03.log", "kept");
    const PathStyle style = PathStyle::native();
    EXPECT_EQ(UniqueLogFileName(fs, style, "Log 16-06-21.log", logs),
              temp / "Logs/Log 16-06-21 02.log");
    EXPECT_EQ(UniqueLogFileName(fs, style, "Log 16-06-21.log", logs + style.separator()),
              temp / "Logs/Log 16-06-21 02.log");
}

TEST_F(DailyLog, WhenAllNumbersAreTakenTheLastIsOverwritten) {
    for (int number = 1; number <= 99; ++number) {
        const std::string digits = (number < 10 ? "0" : "") + std::to_string(number);
        temp.writeFile("Logs/Log 16-06-21 " + digits + ".log", "old " + digits);
    }
    save(twentyCharacters);
    EXPECT_EQ(temp.readFile("Logs/Log 16-06-21 99.log"), twentyCharacters);
    EXPECT_EQ(temp.readFile("Logs/Log 16-06-21 98.log"), "old 98");
    EXPECT_EQ(fileCount(), 99u);
}

struct SaveCase {
    const char* name;
    bool chkLog;
    std::string text;
    std::string saved; // empty: no file
};

class DailyLogSaving : public DailyLog, public testing::WithParamInterface<SaveCase> {};

TEST_P(DailyLogSaving, WritesOnlyALogWorthKeeping) {
    const SaveCase& c = GetParam();
    save(c.text, c.chkLog);
    ASSERT_EQ(temp.exists("Logs/Log 16-06-21 01.log"), !c.saved.empty());
    if (!c.saved.empty()) {
        EXPECT_EQ(temp.readFile("Logs/Log 16-06-21 01.log"), c.saved);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DailyLogSaving,
    testing::Values(
        SaveCase{"TwentyCharacters", true, twentyCharacters, twentyCharacters},
        SaveCase{"NineteenCharacters", true, twentyCharacters.substr(1), ""},
        SaveCase{"NineteenCharactersInMoreBytes", true,
                 "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 nineteen \r\n", ""},
        SaveCase{"Empty", true, "", ""}, SaveCase{"chkLogOff", false, twentyCharacters, ""},
        // The file ends its last line, even when the log stops mid-line.
        SaveCase{"OpenLastLine", true, "Options: not executed.", "Options: not executed.\r\n"}),
    test::caseName<SaveCase>);

TEST_F(DailyLog, AMissingLogsFolderIsNotCreated) {
    std::filesystem::remove(logs);
    save(twentyCharacters);
    EXPECT_TRUE(std::filesystem::is_empty(temp.path()));
}

} // namespace
} // namespace tidecopy
