#include "SettingsFixture.h"
#include "config/OptionsConfirmation.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

const char* const automationText = "You have enabled Automation (execution of a backup job), but "
                                   "you did not specify a profile. Please select a backup profile.";

// Every value of a dialog that opens on an option set unlike the defaults comes back
// unchanged from OK.
TEST(OptionsDialogValues, OpeningAndOkRoundTrip) {
    OptionSet options;
    options.PreserveNaming = 2;
    options.PreserveExtension = "old";
    options.ShutdownMode = 3;
    options.DateCondition = 2;
    options.chkSizeFiles = 0;
    options.LogLimit = "5000";
    options.AutoProfile = "Nightly.prof";
    options.PaneColors = {0xff, 0xff00};
    for (const OptionCheckBox& box : optionCheckBoxes)
        options.*box.field = 1;
    options.chkSizeFiles = 0;
    const OptionsDialogValues values = dialogValuesOf(options, false);
    EXPECT_EQ(values.dateFiles, (std::array<bool, 3>{false, true, false}));
    EXPECT_FALSE(values.isChecked("chkSizeFiles"));
    EXPECT_TRUE(values.isChecked("chkCloseProg"));
    EXPECT_FALSE(values.isChecked("no such box"));
    EXPECT_EQ(optionsFromDialog(OptionSet{}, values), options);
}

// The opening's rules: blanks around the extension go, a negative limit shows as "0",
// automation without a profile starts unchecked.
TEST(OptionsDialogValues, OpeningShowsWhatOkCanTakeBack) {
    struct Case {
        const char* name;
        std::string extension, limit, autoProfile;
        std::int16_t execute, dateCondition;
        std::string shownExtension, shownLimit;
        bool shownExecute;
        std::array<bool, 3> dateFiles;
    };
    const Case cases[] = {
        {"plain", "bak", "0", "a.prof", 1, 0, "bak", "0", true, {}},
        {"blanks", "  x y ", "-5", "a.prof", 1, 1, "x y", "0", true, {true, false, false}},
        {"no profile", "bak", "1000", "", 1, 3, "bak", "1000", false, {false, false, true}},
        {"automation off", "bak", " ", "a.prof", 0, 0, "bak", "0", false, {}},
        {"zero as written", "bak", "00", "a.prof", 1, 2, "bak", "00", true, {false, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OptionSet options;
        options.PreserveExtension = c.extension;
        options.LogLimit = c.limit;
        options.AutoProfile = c.autoProfile;
        options.chkExecute = c.execute;
        options.DateCondition = c.dateCondition;
        const OptionsDialogValues values = dialogValuesOf(options, true);
        EXPECT_EQ(values.extension, c.shownExtension);
        EXPECT_EQ(values.limit, c.shownLimit);
        EXPECT_EQ(values.isChecked("chkExecute"), c.shownExecute);
        EXPECT_EQ(values.dateFiles, c.dateFiles);
        EXPECT_TRUE(values.automaticUpdateCheck);
    }
}

// What OK makes of the boxes that have rules of their own.
TEST(OptionsDialogValues, OkAppliesTheRules) {
    struct Case {
        const char* name;
        std::array<bool, 3> dateFiles;
        bool size, editLog;
        std::string extension, limit;
        std::int16_t dateCondition, sizeAfter, editLogAfter;
        std::string extensionAfter, limitAfter;
    };
    const Case cases[] = {
        {"newer files", {false, true, false}, true, false, "bak", "0", 2, 1, 0, "bak", "0"},
        {"highest date wins", {true, false, true}, false, false, "bak", "0", 3, 0, 0, "bak", "0"},
        {"nothing checked keeps the size", {}, false, false, "bak", "0", 0, 1, 0, "bak", "0"},
        {"999 is no limit", {}, true, false, "bak", "999", 0, 1, 0, "bak", "0"},
        {"1000 makes the log editable", {}, true, false, "bak", " 1000 ", 0, 1, 1, "bak", "1000"},
        {"empty extension keeps the old", {}, true, true, "  ", "", 0, 1, 1, "old", "0"},
        {"extension trimmed", {}, true, false, " new ", "9999999", 0, 1, 1, "new", "9999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OptionSet before;
        before.PreserveExtension = "old";
        OptionsDialogValues values = dialogValuesOf(before, true);
        values.dateFiles = c.dateFiles;
        values.checked["chkSizeFiles"] = c.size;
        values.checked["chkeditLog"] = c.editLog;
        values.extension = c.extension;
        values.limit = c.limit;
        const OptionSet after = optionsFromDialog(before, values);
        EXPECT_EQ(after.DateCondition, c.dateCondition);
        EXPECT_EQ(after.chkSizeFiles, c.sizeAfter);
        EXPECT_EQ(after.chkeditLog, c.editLogAfter);
        EXPECT_EQ(after.PreserveExtension, c.extensionAfter);
        EXPECT_EQ(after.LogLimit, c.limitAfter);
    }
}

// A click on a date box unchecks the other two, whatever its own new state; the text
// boxes refuse what the settings file or a file name cannot carry.
TEST(OptionsDialogValues, DateBoxesAndTextBoxes) {
    using Boxes = std::array<bool, 3>;
    EXPECT_EQ(afterDateBoxClicked({false, true, true}, 1), (Boxes{false, true, false}));
    EXPECT_EQ(afterDateBoxClicked({true, false, true}, 0), (Boxes{true, false, false}));
    EXPECT_EQ(afterDateBoxClicked({true, true, false}, 2), (Boxes{false, false, false}));
    struct Case {
        const char* text;
        bool extension, limit;
    };
    const Case cases[] = {
        {"", true, true},          {"bak", true, false},        {"9876540", true, true},
        {"12345678", true, false}, {"0123456789", true, false}, {"01234567890", false, false},
        {"a,b", false, false},     {"a/b", false, false},       {"a\\b", false, false},
        {"a\tb", false, false},    {"\x7f", false, false},      {"\xc3\xa9t\xc3\xa9s", true, false},
        {"-5", true, false},       {"12 ", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isAcceptableExtension(c.text), c.extension);
        EXPECT_EQ(isAcceptableLimit(c.text), c.limit);
    }
    EXPECT_TRUE(isAcceptableExtension("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                      "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"));
}

// An exact name wins over one that differs only in case, which is taken otherwise.
TEST(OptionsDialogValues, TheAutomationProfileIsFoundByName) {
    const std::vector<std::string> profiles = {"Daily.prof", "NIGHTLY.prof", "Nightly.prof"};
    struct Case {
        const char* autoProfile;
        int entry;
    };
    for (const Case& c : {Case{"Nightly.prof", 2}, Case{"nightly.PROF", 1}, Case{"daily.prof", 0},
                          Case{"Weekly.prof", -1}, Case{"", -1}}) {
        SCOPED_TRACE(c.autoProfile);
        EXPECT_EQ(profileEntryFor(profiles, c.autoProfile), c.entry);
    }
}

class OptionsConfirmationTest : public SettingsFixture {
protected:
    std::string stored(const char* key) {
        return fake.settingsStore.get("OrnCaldrix", "Tidecopy", key, "-");
    }
    ScriptedPrompts prompts;
};

// OK with automation but no profile says so and changes nothing at all; otherwise it
// takes everything, colours the panes and writes the store.
TEST_F(OptionsConfirmationTest, OkAppliesAllOrNothing) {
    for (const bool withProfile : {false, true}) {
        SCOPED_TRACE(withProfile);
        options = OptionSet{};
        view.events.clear();
        fake.settingsStore.values.clear();
        OptionsDialogValues values = dialogValuesOf(options, false);
        values.checked["chkExecute"] = true;
        values.colors = {0xff, systemWindowColor};
        values.limit = "999";
        values.autoProfile = withProfile ? "Nightly.prof" : "";
        if (!withProfile)
            prompts.expectMessage("Execute Backup on Startup", automationText, PromptButtons::Ok);
        EXPECT_EQ(ConfirmOptions(context, prompts, values), withProfile);
        EXPECT_EQ(options.chkExecute, withProfile ? 1 : 0);
        EXPECT_EQ(options.PaneColors[0], withProfile ? 0xff : systemWindowColor);
        EXPECT_EQ(options.LogLimit, withProfile ? "0" : "");
        EXPECT_EQ(view.events.size(), withProfile ? 7u : 0u);
        EXPECT_EQ(stored("NoURLupdate"), withProfile ? "Yes" : "-");
        EXPECT_EQ(stored("Path"), withProfile ? environment.programFolder : "-");
        EXPECT_EQ(stored("Version"), withProfile ? std::to_string(TIDECOPY_VERSION_MAJOR) + "." +
                                                       std::to_string(TIDECOPY_VERSION_MINOR) +
                                                       "." + std::to_string(TIDECOPY_VERSION_PATCH)
                                                 : "-");
        EXPECT_EQ(stored("EXE"), withProfile ? programFileName : "-");
    }
    OptionsDialogValues values = dialogValuesOf(options, true);
    ASSERT_TRUE(ConfirmOptions(context, prompts, values));
    EXPECT_EQ(stored("NoURLupdate"), "No");
    EXPECT_TRUE(automaticUpdateCheckOn(fake.settingsStore));
    fake.settingsStore.values["OrnCaldrix/Tidecopy/NoURLupdate"] = "Yes";
    EXPECT_FALSE(automaticUpdateCheckOn(fake.settingsStore));
}

// File1 lists the ordinary profiles by name; a folder that cannot be read is named.
TEST_F(OptionsConfirmationTest, TheProfilesAreListedOrTheErrorNamed) {
    tmp.writeFile("prog/Profiles/b.prof", "");
    tmp.writeFile("prog/Profiles/A.PROF", "");
    tmp.writeFile("prog/Profiles/.hidden.prof", "");
    tmp.writeFile("prog/Profiles/notes.txt", "");
    tmp.makeFolder("prog/Profiles/folder.prof");
    const auto listed = listProfiles(fs, environment.profilesFolder());
    ASSERT_TRUE(listed.ok());
    EXPECT_EQ(*listed, (std::vector<std::string>{"A.PROF", "b.prof"}));
    const auto missing = listProfiles(fs, tmp / "prog/none");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(loadErrorText(std::make_error_code(std::errc::no_such_file_or_directory)),
              "Error 2 (No such file or directory) in procedure Form_Load of Form frmPresOptions");
}

} // namespace
} // namespace tidecopy::test
