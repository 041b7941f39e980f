#include "config/MainWindowClose.h"

#include "RecordingSettingsView.h"
#include "config/LoadINI.h"
#include "config/SettingsContext.h"
#include "platform/Clock.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/FakeClock.h"
#include "support/FakeVolumes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

class FormUnload : public testing::Test {
protected:
    FormUnload() {
        environment.programFolder = m_temp.path();
        environment.dataFolder = m_temp.path();
        m_temp.makeFolder("Logs");
    }
    test::TempFolder m_temp;
    PosixFileSystem fs;
    test::FakeVolumes volumes;
    Environment environment;
    OptionSet options;
    MainState state;
    test::RecordingSettingsView view;
    SettingsContext context{fs, volumes, environment, options, state, view};
    test::FakeClock clock{LocalDateTime{2016, 6, 21, 10, 0, 0}};
    const std::string logText = "*** BACKUP Started at 21/06/2016\r\n";
};

TEST_F(FormUnload, WritesTheSettingsFileEvenWhenNothingChanged) {
    Form_Unload(context, clock, logText);
    ASSERT_TRUE(m_temp.exists("Tidecopy.ini"));
    MainState reloaded;
    OptionSet reloadedOptions;
    SettingsContext again{fs, volumes, environment, reloadedOptions, reloaded, view};
    EXPECT_EQ(LoadINI(again), LoadOutcome::Loaded);
    EXPECT_FALSE(m_temp.exists("Logs/Log 16-06-21 01.log"));
}

TEST_F(FormUnload, SavesTheDailyLogAfterTheSettingsWhenChkLogIsOn) {
    options.chkLog = 1;
    Form_Unload(context, clock, logText);
    EXPECT_TRUE(m_temp.exists("Tidecopy.ini"));
    EXPECT_EQ(m_temp.readFile("Logs/Log 16-06-21 01.log"), logText);
}

} // namespace
} // namespace tidecopy
