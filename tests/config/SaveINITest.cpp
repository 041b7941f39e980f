#include "SettingsFixture.h"

using namespace tidecopy;
using namespace tidecopy::test;

namespace {

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// Saves a state unlike the first start and reads it back.
class SaveINITest : public SettingsFixture {
protected:
    // Every value unlike the first start.
    void changeEverything() {
        options.PreserveNaming = 1;
        options.PreserveExtension = "orig";
        options.chkCloseProg = options.chkNoSoundEffect = options.chkLog = 1;
        options.chkIntegrity = 1;
        options.ShutdownMode = 2;
        options.chkConfirmationBackup = 0;
        options.chkExecute = options.chkOnlyonce = 1;
        options.AutoProfile = "Weekly, all.prof";
        options.chkSizeFiles = 0;
        options.DateCondition = 3;
        options.chkeditLog = options.chkLogDetails = 1;
        options.LogLimit = "2500";
        options.chkFolderExist = options.chkLogUser = options.chkEmptyFolders = 1;
        options.PaneColors = {0x00336699, 0x00FFFFFF};
        options.chkChecksumList = 1;
        state.chkOnlyNewFiles.checked = false;
        state.chkSubFolders.checked = false;
        state.chkPreserveFiles.checked = true;
        state.chkRelative.checked = state.chkOnlySubs.checked = state.chkRecall.checked = true;
        state.chkRelativeCopy = 1;
        state.cmbPattern = {"*.LOG", {"*.LOG", "*.TXT", "*.* [All Files]", "*.A", "*.B"}};
        state.cmbSourceHistory = {{sourceFolder, tmp / "s2", tmp / "s3"}, 2};
        state.cmbTargetHistory = {{tmp / "d1", destinationFolder}, 1};
        state.Dir1 = sourceFolder;
        state.Dir2 = destinationFolder;
        state.window = {2250, 1200, false};
    }
};

TEST_F(SaveINITest, WritesTheSeventyOneLinesAndTheAddedOne) {
    changeEverything();
    state.cmbPattern = {"*.LOG", {"*.LOG", "*.TXT"}};
    ASSERT_FALSE(SaveINI(context));
    const std::vector<std::string> lines = splitCrLf(tmp.readFile("prog/Tidecopy.ini"));
    ASSERT_EQ(lines.size(), 72u);

    EXPECT_TRUE(lines[0].starts_with(";Orn-Tidecopy v" + std::to_string(TIDECOPY_VERSION_MAJOR) +
                                     "." + std::to_string(TIDECOPY_VERSION_MINOR) + " "))
        << lines[0];
    // Lines 2 to 72; each row starts with its line number.
    // clang-format off
    const std::vector<std::string> expected = {
        /*  2 */ " 0 ", "-1 ", " 0 ", " 1 ", " 1 ", " 0 ", " 1 ", " 1 ", "orig",
        /* 11 */ " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 2 ", " 0 ", " 1 ", "Weekly, all.prof",
        /* 21 */ " 0 ", " 3 ", " 2250 ", " 1200 ", " 1 ", " 1 ", " 1 ", "2500", " 1 ", " 1 ",
        /* 31 */ " 3368601 ", " 16777215 ", " 1 ", " 0 ", "[Start source folders]", " 2 ",
        /* 37 */ sourceFolder, sourceFolder, tmp / "s2", tmp / "s3", "", "", "", "",
        /* 45 */ "", "", "", "[End source folders]", "[Start target folders]", " 1 ",
        /* 51 */ destinationFolder, tmp / "d1", destinationFolder, "", "", "", "", "",
        /* 59 */ "", "", "", "[End target folders]", "[Start patterns]",
        /* 64 */ "*.LOG", "*.LOG", "*.TXT", "", "", "", "*.* [All Files]",
        /* 71 */ "[End patterns]", " 1 "};
    // clang-format on
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), expected);
}

TEST_F(SaveINITest, RoundTripRestoresEveryFieldAndControl) {
    tmp.makeFolder("prog/Profiles");
    // The profile first: saving it must not write the settings file.
    for (const std::string& profile : {tmp / "prog/Profiles/Job.prof", std::string()}) {
        SCOPED_TRACE(profile);
        changeEverything();
        // A profile brings its folders back also without recall.
        state.chkRecall.checked = profile.empty();
        const OptionSet savedOptions = options;
        const MainState savedState = state;
        ASSERT_FALSE(SaveINI(context, profile));
        EXPECT_EQ(tmp.exists("prog/Tidecopy.ini"), profile.empty());

        options = OptionSet{};
        state = MainState{};
        ASSERT_EQ(load(profile), LoadOutcome::Loaded);
        EXPECT_EQ(options, savedOptions);
        EXPECT_EQ(state, savedState);
    }
}

TEST_F(SaveINITest, AllFilesPatternComesBackAsSixthOnlyWhenMissing) {
    struct Case {
        std::vector<std::string> items;
        std::vector<std::string> loaded;
    };
    const std::vector<Case> cases = {
        {{"*.A", "*.B"}, {"*.A", "*.B", "*.* [All Files]"}},
        {{"*.A", "*.* [All Files]"}, {"*.A", "*.* [All Files]"}},
        {{"*.1", "*.2", "*.3", "*.4", "*.5", "*.* [All Files]"},
         {"*.1", "*.2", "*.3", "*.4", "*.5", "*.* [All Files]"}},
        {{"*.1", "*.2", "*.3", "*.4", "*.5", "*.6"},
         {"*.1", "*.2", "*.3", "*.4", "*.5", "*.* [All Files]"}},
        {{"*.* [all files]"}, {"*.* [all files]", "*.* [All Files]"}},
        {{}, {"*.* [All Files]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.items));
        state.cmbPattern = {"*.A", c.items};
        ASSERT_FALSE(SaveINI(context));
        ASSERT_EQ(load(), LoadOutcome::Loaded);
        EXPECT_EQ(state.cmbPattern.items, c.loaded);
    }
}

TEST_F(SaveINITest, CommaAndLeadingBlanksSurviveInFields) {
    struct Case {
        std::string extension;
        std::string loaded;
    };
    for (const Case& c : {Case{"b,ak", "b,ak"}, Case{"  sp", "  sp"}, Case{"q\"t,x", "q\"t"},
                          Case{"plain", "plain"}}) {
        SCOPED_TRACE(c.extension);
        options.PreserveExtension = c.extension;
        options.LogLimit = c.extension;
        ASSERT_FALSE(SaveINI(context));
        ASSERT_EQ(load(), LoadOutcome::Loaded);
        EXPECT_EQ(options.PreserveExtension, c.loaded);
        EXPECT_EQ(options.LogLimit, c.loaded);
    }
}

TEST_F(SaveINITest, LineBreakInsideAValueDoesNotShiftTheLinesAfterIt) {
    // Windows refuses such a name; the history entry alone carries the break there.
    const std::string oddFolder = tmp / "two\nlines";
#ifndef _WIN32
    tmp.makeFolder("two\nlines");
#endif
    changeEverything();
    state.cmbSourceHistory = {{oddFolder, sourceFolder}, 0};
    state.Dir1 = sourceFolder;
    options.AutoProfile = "a\r\nb";
    ASSERT_FALSE(SaveINI(context));
    EXPECT_EQ(splitCrLf(tmp.readFile("prog/Tidecopy.ini")).size(), 72u);

    ASSERT_EQ(load(), LoadOutcome::Loaded);
    EXPECT_EQ(options.AutoProfile, "");
    EXPECT_EQ(state.cmbSourceHistory.items, std::vector<std::string>{sourceFolder});
    EXPECT_EQ(state.Dir2, destinationFolder);
    EXPECT_EQ(state.cmbPattern.text, "*.LOG");
}

TEST_F(SaveINITest, MinimisedWindowIsStoredAsZeroAndCentredOnLoading) {
    state.window = {2250, 1200, true};
    ASSERT_FALSE(SaveINI(context));
    const std::vector<std::string> lines = splitCrLf(tmp.readFile("prog/Tidecopy.ini"));
    EXPECT_EQ(lines[22], " 0 ");
    EXPECT_EQ(lines[23], " 0 ");
    ASSERT_EQ(load(), LoadOutcome::Loaded);
    EXPECT_EQ(view.eventsStartingWith("move"), std::vector<std::string>{"move 8400 3600"});
}

TEST_F(SaveINITest, FailureKeepsTheOldFile) {
    const std::string old = joinLines(handWrittenLines());
    tmp.writeFile("prog/Tidecopy.ini", old);
    changeEverything();
    fs.failOn(FsOperation::WriteWholeFileAtomically, "Tidecopy.ini",
              std::make_error_code(std::errc::no_space_on_device));
    EXPECT_EQ(SaveINI(context), std::errc::no_space_on_device);
    EXPECT_EQ(tmp.readFile("prog/Tidecopy.ini"), old);
}

} // namespace
