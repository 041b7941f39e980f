#include "config/ResetSettings.h"

#include "platform/IniSettingsStore.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tidecopy;
using namespace tidecopy::test;

namespace {

const char* const question = "The program will close to be able to restore all settings.\r\n"
                             "Are you sure to restore all settings back to their initial values?";
const char* const restored =
    "All settings restored. Program will close. Please restart Tidecopy...";

// A settings store that has the update check turned off, and a program folder.
class ResetSettingsTest : public ::testing::Test {
protected:
    ResetSettingsTest() {
        environment.programFolder = environment.dataFolder = tmp.makeFolder("prog");
        store.save("OrnCaldrix", "Tidecopy", "NoURLupdate", "Yes");
    }
    ResetOutcome reset() { return ResetAllSettings(prompts, fs, store, environment); }
    std::string noUrlUpdate() { return store.get("OrnCaldrix", "Tidecopy", "NoURLupdate", ""); }

    TempFolder tmp;
    FaultyFileSystem fs;
    IniSettingsStore store{fs, tmp.makeFolder("config")};
    ScriptedPrompts prompts;
    Environment environment;
};

// No changes nothing.
TEST_F(ResetSettingsTest, YesDeletesTheFileTurnsUpdatesOnAndEndsTheProgram) {
    tmp.writeFile("prog/Tidecopy.ini", "old settings");
    prompts.expectMessage("Reset Tidecopy", question, PromptButtons::YesNo, PromptAnswer::No);
    EXPECT_EQ(reset(), ResetOutcome::Declined);
    EXPECT_EQ(tmp.readFile("prog/Tidecopy.ini"), "old settings");
    EXPECT_EQ(noUrlUpdate(), "Yes");
    prompts.expectMessage("Reset Tidecopy", question, PromptButtons::YesNo, PromptAnswer::Yes)
        .expectMessage("Reset Tidecopy", restored, PromptButtons::Ok);
    EXPECT_EQ(reset(), ResetOutcome::EndProgramAtOnce);
    EXPECT_FALSE(tmp.exists("prog/Tidecopy.ini"));
    EXPECT_EQ(noUrlUpdate(), "No");
}

TEST_F(ResetSettingsTest, FailedDeletionGoesNoFurther) {
    struct Case {
        const char* name;
        bool fileThere;
    };
    for (const Case& c : {Case{"no settings file", false}, Case{"file cannot be deleted", true}}) {
        SCOPED_TRACE(c.name);
        if (c.fileThere) {
            tmp.writeFile("prog/Tidecopy.ini", "old settings");
            fs.failOn(FsOperation::RemoveFile, "Tidecopy.ini",
                      std::make_error_code(std::errc::permission_denied));
        }
        prompts.expectMessage("Reset Tidecopy", question, PromptButtons::YesNo, PromptAnswer::Yes);
        EXPECT_EQ(reset(), ResetOutcome::NothingDeleted);
        EXPECT_EQ(tmp.exists("prog/Tidecopy.ini"), c.fileThere);
        EXPECT_EQ(noUrlUpdate(), "Yes");
    }
}

} // namespace
