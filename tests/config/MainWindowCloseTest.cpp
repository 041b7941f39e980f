#include "config/MainWindowClose.h"

#include "RecordingSettingsView.h"
#include "config/LoadINI.h"
#include "config/SettingsContext.h"
#include "platform/NativeFileSystem.h"
#include "support/FakePlatform.h"
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
        clock.setLocal({2016, 6, 21, 10, 0, 0});
    }
    test::TempFolder m_temp;
    NativeFileSystem fs;
    test::FakePlatform fake{fs};
    Environment& environment = fake.environment;
    test::FakeClock& clock = fake.clock;
    OptionSet options;
    MainState state;
    test::RecordingSettingsView view;
    SettingsContext context{fake.platform, options, state, view};
    const std::string logText = "*** BACKUP Started at 21/06/2016\r\n";
};

TEST_F(FormUnload, WritesTheSettingsFileAlwaysAndTheDailyLogWhenChkLogIsOn) {
    for (const std::int16_t chkLog : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(chkLog);
        options.chkLog = chkLog;
        Form_Unload(context, logText);
        OptionSet reloadedOptions;
        MainState reloaded;
        SettingsContext again{fake.platform, reloadedOptions, reloaded, view};
        EXPECT_EQ(LoadINI(again), LoadOutcome::Loaded);
        EXPECT_EQ(reloadedOptions.chkLog, chkLog);
        EXPECT_EQ(m_temp.exists("Logs/Log 16-06-21 01.log"), chkLog == 1);
    }
    EXPECT_EQ(m_temp.readFile("Logs/Log 16-06-21 01.log"), logText);
}

} // namespace
} // namespace tidecopy
