#include "config/ProfileCommands.h"

#include "SettingsFixture.h"
#include "config/Automation.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

// The profile commands of a freshly started window whose profiles folder is empty.
class ProfileCommandsTest : public SettingsFixture {
protected:
    ProfileCommandsTest() {
        tmp.makeFolder("prog/Profiles");
        clock.setLocal({2026, 12, 4, 9, 30, 0});
        state.Dir1 = sourceFolder;
        state.Dir2 = destinationFolder;
    }

    FileDialogRequest profileDialog(std::string title, std::string proposedName) const {
        return {std::move(title),
                {{"Backup/Restore Profiles (*.prof)", "*.prof"}, {"All Files (*.*)", "*.*"}},
                environment.profilesFolder(),
                std::move(proposedName)};
    }
    std::string profile(const std::string& name) const { return tmp / ("prog/Profiles/" + name); }

    ScriptedPrompts prompts;
    std::string log;
    ProfileCommands commands{context, prompts, [this](std::string_view text) {
                                 log += text;
                             }};
};

TEST_F(ProfileCommandsTest, TheFirstSaveProposesTodaysNameAndWritesTheSettings) {
    options.chkLogUser = 1;
    prompts.expectSaveFile(profileDialog("Save File", "Tidecopy 26-12-04.prof"),
                           profile("Tidecopy 26-12-04.prof"));
    EXPECT_EQ(commands.saveProfile(), "Tidecopy 26-12-04");
    EXPECT_EQ(tmp.readFile("prog/Profiles/Tidecopy 26-12-04.prof"),
              settingsFileText(options, state));
    EXPECT_EQ(log, "User saved profile Tidecopy 26-12-04.prof\r\n");
}

TEST_F(ProfileCommandsTest, AnOpenedProfileRestoresItsFoldersAndIsProposedForSaving) {
    MainState saved = state;
    saved.Dir1 = destinationFolder;
    saved.Dir2 = sourceFolder;
    OptionSet savedOptions;
    savedOptions.chkLogUser = 1;
    savedOptions.PreserveExtension = "old";
    tmp.writeFile("prog/Profiles/night.v2.prof", settingsFileText(savedOptions, saved));

    prompts.expectOpenFile(profileDialog("Open File", ""), profile("night.v2.prof"));
    EXPECT_EQ(commands.openProfile(), "night");
    EXPECT_EQ(options.PreserveExtension, "old");
    EXPECT_EQ(view.eventsStartingWith("folder "),
              (std::vector<std::string>{"folder source " + destinationFolder,
                                        "folder destination " + sourceFolder}));
    EXPECT_EQ(log, "User opened profile night.v2.prof\r\n");

    prompts.expectSaveFile(profileDialog("Save File", "night.v2.prof"), std::nullopt);
    EXPECT_EQ(commands.saveProfile(), std::nullopt);
    prompts.expectOpenFile(profileDialog("Open File", "night.v2.prof"), std::nullopt);
    EXPECT_EQ(commands.openProfile(), std::nullopt);
}

TEST_F(ProfileCommandsTest, AnUnreadableProfileIsReportedAndNothingIsLoaded) {
    tmp.writeFile("prog/Profiles/locked.prof", settingsFileText(OptionSet{}, MainState{}));
    fs.failOn(FsOperation::ReadWholeFile, "locked.prof", std::make_error_code(std::errc::io_error));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {profile("missing.prof"), "Err nr: 2"}, {profile("locked.prof"), "Err nr: 5"}};
    for (const auto& [path, title] : cases) {
        prompts.expectOpenFile(profileDialog("Open File", ""), path)
            .expectMessage(title, "Could not read-, open or find file " + path, PromptButtons::Ok);
        EXPECT_EQ(commands.openProfile(), std::nullopt) << path;
    }
    EXPECT_TRUE(view.events.empty());
}

TEST_F(ProfileCommandsTest, SavingOverAProfileAsksFirst) {
    tmp.writeFile("prog/Profiles/keep.prof", "old text");
    prompts
        .expectSaveFile(profileDialog("Save File", "Tidecopy 26-12-04.prof"), profile("keep.prof"))
        .expectMessage("File already exists", "Do you want to replace the file?",
                       PromptButtons::YesNo, PromptAnswer::No);
    EXPECT_EQ(commands.saveProfile(), std::nullopt);
    EXPECT_EQ(tmp.readFile("prog/Profiles/keep.prof"), "old text");

    prompts
        .expectSaveFile(profileDialog("Save File", "Tidecopy 26-12-04.prof"), profile("keep.prof"))
        .expectMessage("File already exists", "Do you want to replace the file?",
                       PromptButtons::YesNo, PromptAnswer::Yes);
    EXPECT_EQ(commands.saveProfile(), "keep");
    EXPECT_EQ(tmp.readFile("prog/Profiles/keep.prof"), settingsFileText(options, state));
    // Without chkLogUser the log stays as it was.
    prompts.expectOpenFile(profileDialog("Open File", ""), profile("keep.prof"));
    EXPECT_EQ(commands.openProfile(), "keep");
    EXPECT_EQ(log, "");
}

TEST(ProfileNames, LabelAndSplit) {
    EXPECT_EQ(profileLabelText("no extension"), "no extension");
    EXPECT_EQ(proposedProfileName({2009, 1, 2, 0, 0, 0}), "Tidecopy 09-01-02.prof");
    const std::tuple<PathStyle, std::string, ChosenFile> cases[] = {
        {PathStyle::posix(), "/home/u/Profiles/a.b.prof", {"/home/u/Profiles/", "a.b.prof"}},
        {PathStyle::windows(),
         "C:\\Tidecopy\\Profiles\\x.prof",
         {"C:\\Tidecopy\\Profiles\\", "x.prof"}},
        {PathStyle::posix(), "name.prof", {"", "name.prof"}},
    };
    for (const auto& [style, path, expected] : cases)
        EXPECT_EQ(splitChosenPath(style, path), expected) << path;
}

TEST_F(ProfileCommandsTest, AutomationLoadsItsProfileOnlyWhenChkExecuteIsOn) {
    OptionSet automated;
    automated.chkExecute = 1;
    automated.AutoProfile = "nightly.prof";
    MainState nightly = state;
    nightly.Dir1 = destinationFolder;
    OptionSet inProfile;
    inProfile.PreserveExtension = "night";
    tmp.writeFile("prog/Profiles/nightly.prof", settingsFileText(inProfile, nightly));

    EXPECT_FALSE(LoadAutomationProfile(context));
    EXPECT_TRUE(view.events.empty());
    options = automated;
    EXPECT_TRUE(LoadAutomationProfile(context));
    EXPECT_EQ(options.PreserveExtension, "night");
    // The profile's own automation fields replace those that started it.
    EXPECT_EQ(options.chkExecute, 0);
    EXPECT_EQ(view.eventsStartingWith("folder source"),
              std::vector<std::string>{"folder source " + destinationFolder});
}

} // namespace
} // namespace tidecopy::test
