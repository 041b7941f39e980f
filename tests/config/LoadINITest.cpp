#include "SettingsFixture.h"
#include "config/SettingsFormat.h"
#include "support/CaseName.h"

using namespace tidecopy;
using namespace tidecopy::test;

namespace {

const std::vector<std::string> defaultPatterns(SettingsFormat::defaultPatterns.begin(),
                                               SettingsFormat::defaultPatterns.end());
const std::string systemColor = std::to_string(systemWindowColor);

// Loads the hand-written settings file, with single lines changed where a test needs.
class LoadINITest : public SettingsFixture {
protected:
    // The hand-written file with some lines replaced (line numbers from 1).
    void writeSettings(const std::map<int, std::string>& replaced = {}, const char* end = "\r\n") {
        std::vector<std::string> lines = handWrittenLines();
        for (const auto& [line, text] : replaced) {
            lines.resize(std::max(lines.size(), static_cast<std::size_t>(line)));
            lines[static_cast<std::size_t>(line - 1)] = text;
        }
        tmp.writeFile("prog/Tidecopy.ini", joinLines(lines, end));
    }
};

// Lines ended by line feeds alone load as those ended the Windows way.
TEST_F(LoadINITest, HandWrittenFileLoadsIntoTheExpectedStateWhateverItsLineEnds) {
    for (const char* end : {"\r\n", "\n"}) {
        SCOPED_TRACE(end[0] == '\r' ? "CR LF" : "LF");
        view.events.clear();
        options = OptionSet{};
        state = MainState{};
        writeSettings({}, end);
        ASSERT_EQ(load(), LoadOutcome::Loaded);

        OptionSet expected;
        expected.PreserveNaming = 2;
        expected.PreserveExtension = "old";
        expected.chkCloseProg = expected.chkNoSoundEffect = expected.chkLog = 1;
        expected.chkIntegrity = 1;
        expected.ShutdownMode = 3;
        expected.chkConfirmationBackup = 0;
        expected.chkExecute = 1;
        expected.AutoProfile = "Nightly.prof";
        expected.chkSizeFiles = 0;
        expected.DateCondition = 2;
        expected.chkeditLog = expected.chkOnlyonce = expected.chkLogDetails = 1;
        expected.LogLimit = "5000";
        expected.chkFolderExist = expected.chkLogUser = expected.chkEmptyFolders = 1;
        expected.PaneColors = {16711680, 65280};
        EXPECT_EQ(options, expected);

        MainState window;
        window.chkOnlyNewFiles.checked = false;
        window.chkSubFolders.checked = false;
        window.chkPreserveFiles.checked = true;
        window.chkRelative.checked = window.chkOnlySubs.checked = window.chkRecall.checked = true;
        window.chkRelativeCopy = 1;
        window.cmbPattern = {"*.TXT [Texts]", {"*.TXT [Texts]", "*.* [All Files]"}};
        window.cmbSourceHistory = {{tmp / "old-src", sourceFolder}, 1};
        window.cmbTargetHistory = {{destinationFolder}, 0};
        window.Dir1 = sourceFolder;
        window.Dir2 = destinationFolder;
        window.window = {1500, 3000, false};
        EXPECT_EQ(state, window);

        const std::vector<std::string> events = {
            "log limit 5000",
            "log unlocked",
            "move 1500 3000",
            "color cmbSourceHistory 16711680",
            "color cmbTargetHistory 65280",
            "color Drive1 16711680",
            "color Dir1 16711680",
            "color File1 16711680",
            "color Drive2 65280",
            "color Dir2 65280",
            "color File2 65280",
            "select source 1",
            "select destination 0",
            "folder source " + sourceFolder,
            "folder destination " + destinationFolder,
        };
        EXPECT_EQ(view.events, events);
    }
}

// The line after the 71 is new: files written before it load it as off, and older readers
// never read it.
TEST_F(LoadINITest, AddedLineLoadsAsOffUnlessItSaysOn) {
    struct Case {
        std::optional<std::string> line72;
        std::int16_t loaded;
        LoadOutcome outcome;
    };
    for (const Case& c :
         {Case{std::nullopt, 0, LoadOutcome::Loaded}, Case{"  ", 0, LoadOutcome::Loaded},
          Case{" 1 ", 1, LoadOutcome::Loaded}, Case{" 0 ", 0, LoadOutcome::Loaded},
          Case{"on", 0, LoadOutcome::Recovered}}) {
        SCOPED_TRACE(c.line72.value_or("none"));
        options.chkChecksumList = 1;
        if (c.line72)
            writeSettings({{72, *c.line72}});
        else
            writeSettings();
        EXPECT_EQ(load(), c.outcome);
        EXPECT_EQ(options.chkChecksumList, c.loaded);
    }
}

// Text lines written on Windows come in its code page. Folder lines are the file system's
// own bytes: converted, they would name another folder.
TEST_F(LoadINITest, TextLinesAreConvertedFolderLinesKeptAsBytes) {
    tmp.makeFolder("Caf\xC3\xA9 \xE2\x82\xAC");
    writeSettings({{10, "\xE9t\xE9"},
                   {37, tmp / "Caf\xE9 \x80"},
                   {38, tmp / "Caf\xE9 \x80"},
                   {64, "*.\xC3\xA4 [Utf]"}});
#ifdef _WIN32
    // Names on Windows are text: the line in the code page names the folder made above.
    ASSERT_EQ(load(), LoadOutcome::Loaded);
    const std::string folder = tmp / "Caf\xC3\xA9 \xE2\x82\xAC";
#else
    EXPECT_EQ(load(), LoadOutcome::Recovered);
    const std::string folder = tmp.makeFolder("Caf\xE9 \x80");
    ASSERT_EQ(load(), LoadOutcome::Loaded);
#endif
    EXPECT_EQ(options.PreserveExtension, "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(state.Dir1, folder);
    EXPECT_EQ(state.cmbSourceHistory.items.front(), folder);
    EXPECT_EQ(state.cmbPattern.text, "*.\xC3\xA4 [Utf]"); // already UTF-8: kept
}

// The system would see the name only up to the NUL: another folder than the line holds.
TEST_F(LoadINITest, NulByteInAFolderLineEndsInTheRecovery) {
    for (const int line : {37, 42, 51, 55}) {
        SCOPED_TRACE(line);
        writeSettings({{line, sourceFolder + std::string("\0/elsewhere", 11)}});
        EXPECT_EQ(load(), LoadOutcome::Recovered);
    }
}

TEST_F(LoadINITest, NoFileGivesTheFirstStartValues) {
    state.cmbSourceHistory = {{"/old"}, 0};
    ASSERT_EQ(load(), LoadOutcome::NoFile);

    EXPECT_TRUE(state.chkRelative.checked);
    EXPECT_EQ(state.chkRelativeCopy, 1);
    EXPECT_EQ(options, OptionSet{});
    EXPECT_EQ(state.cmbPattern.items, defaultPatterns);
    EXPECT_EQ(state.cmbPattern.text, "*.* [All Files]");
    EXPECT_TRUE(state.cmbSourceHistory.items.empty());
    EXPECT_TRUE(state.Dir1.empty());
    EXPECT_EQ(view.eventsStartingWith("folder"), std::vector<std::string>{});
    EXPECT_EQ(view.eventsStartingWith("select"), std::vector<std::string>{});
    // Centred: (28800 - 12000) / 2, (16200 - 9000) / 2.
    EXPECT_EQ(view.eventsStartingWith("move"), std::vector<std::string>{"move 8400 3600"});
    EXPECT_EQ(view.eventsStartingWith("color Drive2"),
              std::vector<std::string>{"color Drive2 " + systemColor});
}

TEST_F(LoadINITest, MissingProfileKeepsThePaneFolders) {
    state.Dir2 = destinationFolder;
    EXPECT_EQ(load(tmp / "prog/Profiles/Gone.prof"), LoadOutcome::NoFile);
    EXPECT_EQ(state.Dir2, destinationFolder);
    EXPECT_EQ(view.eventsStartingWith("drive2"), std::vector<std::string>{});
}

// With recall on, and from a profile, the folders come back: the hand-written and round-trip
// tests show it.
TEST_F(LoadINITest, WithoutRecallTheSettingsFileKeepsItsFoldersToItself) {
    writeSettings({{11, " 0 "}});
    ASSERT_EQ(load(), LoadOutcome::Loaded);
    EXPECT_EQ(state.Dir1, "");
    EXPECT_EQ(state.cmbSourceHistory.selected, -1);
    EXPECT_EQ(view.eventsStartingWith("folder"), std::vector<std::string>{});
}

TEST_F(LoadINITest, MissingStoredFolderEndsInTheRecovery) {
    writeSettings({{51, tmp / "dst-gone"}});
    ASSERT_EQ(load(), LoadOutcome::Recovered);
    EXPECT_EQ(state.Dir1, sourceFolder); // applied before the failure
    EXPECT_TRUE(state.Dir2.empty());
    EXPECT_EQ(view.eventsStartingWith("drive2"), std::vector<std::string>{"drive2 " + tmp / "usb"});
    EXPECT_FALSE(tmp.exists("usb/tmp.tmp"));
}

TEST_F(LoadINITest, HiddenStoredFolderIsStillAFolder) {
    const std::string hidden = tmp.makeFolder(".hidden");
    writeSettings({{37, hidden}});
    ASSERT_EQ(load(), LoadOutcome::Loaded);
    EXPECT_EQ(state.Dir1, hidden);
}

TEST_F(LoadINITest, RaisedDriveErrorKeepsTheDestinationDrive) {
    view.folderFailures[Pane::Destination] = std::make_error_code(std::errc::io_error);
    view.onSetFolder = [this](Pane) {
        state.DriveErrorFlag = true;
    };
    writeSettings();
    ASSERT_EQ(load(), LoadOutcome::Recovered);
    EXPECT_EQ(view.eventsStartingWith("drive2"), std::vector<std::string>{});
}

TEST_F(LoadINITest, FailedHistorySelectionEndsInTheRecovery) {
    view.historyFailures[Pane::Source] = std::make_error_code(std::errc::io_error);
    writeSettings();
    ASSERT_EQ(load(), LoadOutcome::Recovered);
    EXPECT_EQ(view.eventsStartingWith("select"), std::vector<std::string>{"select source 1"});
    EXPECT_TRUE(state.Dir1.empty());
}

// Lines of the hand-written file replaced; the outcome and one value that shows it.
struct LineCase {
    const char* name;
    std::map<int, std::string> lines;
    LoadOutcome outcome;
    std::function<std::string(const OptionSet&, const MainState&)> value;
    std::string expected;
};

// One row of the line table.
class LoadLineTest : public LoadINITest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LoadLineTest, ValueIsReadOrEndsInTheRecovery) {
    const LineCase& c = GetParam();
    writeSettings(c.lines);
    EXPECT_EQ(load(), c.outcome);
    EXPECT_EQ(c.value(options, state), c.expected);
}

const auto logUser = [](const OptionSet& o, const MainState&) {
    return std::to_string(o.chkLogUser);
};
const auto left = [](const OptionSet&, const MainState& s) {
    return std::to_string(s.window.left);
};
const auto conditions = [](const OptionSet&, const MainState& s) {
    return std::string(s.chkOnlyNewFiles.checked ? "new " : "") +
           (s.chkChangedFiles.checked ? "changed" : "");
};
const auto sizeFiles = [](const OptionSet& o, const MainState&) {
    return std::to_string(o.chkSizeFiles);
};
const auto preserveExtension = [](const OptionSet& o, const MainState&) {
    return o.PreserveExtension;
};
const auto color0 = [](const OptionSet& o, const MainState&) {
    return std::to_string(o.PaneColors[0]);
};
const auto patterns = [](const OptionSet&, const MainState& s) {
    std::string all;
    for (const std::string& item : s.cmbPattern.items)
        all += item + ";";
    return all;
};

using enum LoadOutcome;
INSTANTIATE_TEST_SUITE_P(
    Lines, LoadLineTest,
    ::testing::Values(
        LineCase{"Number16Given40000", {{5, " 40000 "}}, Recovered, logUser, "0"},
        LineCase{"Letters", {{5, "abc"}}, Recovered, logUser, "0"},
        LineCase{"Number32Overflow", {{23, "2147483648"}}, Recovered, left, "0"},
        LineCase{"CheckBoxGivenTwo", {{4, " 2 "}}, Recovered, conditions, "new changed"},
        LineCase{"RecallGivenTwo", {{11, " 2 "}}, Recovered, conditions, "changed"},
        LineCase{"NoConditionLeftChecksNew", {{4, " 0 "}, {6, " 0 "}}, Loaded, conditions, "new "},
        LineCase{"NoDateConditionKeepsSize", {{21, " 0 "}, {22, " 0 "}}, Loaded, sizeFiles, "1"},
        LineCase{"HistoryPositionBeyondList",
                 {{36, " 2 "}},
                 Recovered,
                 patterns,
                 "*.* [All Files];*.JPG [Pictures];*.MP3 [Music];"},
        LineCase{"QuotedField", {{10, " \"a, b\" tail"}}, Loaded, preserveExtension, "a, b"},
        LineCase{"OneCharacterExtension", {{10, "x"}}, Loaded, preserveExtension, "bak"},
        LineCase{"OneAccentedCharacter", {{10, "\xC3\xA9"}}, Loaded, preserveExtension, "bak"},
        LineCase{"TwoCharacterExtension", {{10, "gz"}}, Loaded, preserveExtension, "gz"},
        LineCase{"BlackPane", {{31, " 0 "}}, Loaded, color0, systemColor},
        LineCase{"EmptyMarkerLine", {{35, ""}}, Loaded, logUser, "1"}),
    caseName<LineCase>);

TEST_F(LoadINITest, LogLimitFromAThousandLimitsTheLogAndUnlocksIt) {
    struct Case {
        const char* limit;
        std::int16_t editLog;
        std::vector<std::string> events;
    };
    for (const Case& c : {Case{"999", 0, {}}, Case{"1000", 1, {"log limit 1000", "log unlocked"}},
                          Case{" 20000 lines", 1, {"log limit 20000", "log unlocked"}}}) {
        SCOPED_TRACE(c.limit);
        view.events.clear();
        writeSettings({{25, " 0 "}, {28, c.limit}});
        ASSERT_EQ(load(), LoadOutcome::Loaded);
        EXPECT_EQ(options.chkeditLog, c.editLog);
        std::vector<std::string> logEvents = view.eventsStartingWith("log");
        EXPECT_EQ(logEvents, c.events);
    }
}

TEST_F(LoadINITest, PositionAtOrBelowZeroCentresThatAxis) {
    struct Case {
        const char* left;
        const char* top;
        const char* move;
    };
    for (const Case& c : {Case{" 0 ", " 0 ", "move 8400 3600"}, Case{"-15 ", " 1 ", "move 8400 1"},
                          Case{" 1 ", "-1 ", "move 1 3600"}, Case{" 45 ", " 30 ", "move 45 30"}}) {
        SCOPED_TRACE(std::string(c.left) + c.top);
        view.events.clear();
        writeSettings({{23, c.left}, {24, c.top}});
        ASSERT_EQ(load(), LoadOutcome::Loaded);
        EXPECT_EQ(view.eventsStartingWith("move"), std::vector<std::string>{c.move});
    }
}

TEST_F(LoadINITest, CopyModeLinesSelectAndStepSevenDisables) {
    using enum CopyMode;
    struct Case {
        CopyMode before;
        const char* all;
        const char* selective;
        CopyMode expected;
    };
    for (const Case& c :
         {Case{SelectiveCopy, "-1 ", " 0 ", AllCopy}, Case{AllCopy, " 0 ", "-1 ", SelectiveCopy},
          Case{AllCopy, "-1 ", " 1 ", SelectiveCopy}, Case{AllCopy, " 0 ", " 0 ", AllCopy}}) {
        SCOPED_TRACE(std::string(c.all) + c.selective);
        state.selectCopyMode(c.before);
        options = OptionSet{};
        writeSettings({{2, c.all}, {3, c.selective}});
        ASSERT_EQ(load(), LoadOutcome::Loaded);
        const bool conditional = c.expected == SelectiveCopy;
        EXPECT_EQ(state.copyMode, c.expected);
        EXPECT_EQ(state.chkOnlyNewFiles.enabled, conditional);
        EXPECT_EQ(state.chkChangedFiles.enabled, conditional);
        EXPECT_EQ(state.chkPreserveFiles.enabled, conditional);
        EXPECT_EQ(options.AutoProfile, conditional ? "Nightly.prof" : "");
        EXPECT_EQ(options.chkExecute, conditional ? 1 : 0);
    }
}

TEST_F(LoadINITest, UnreadableFileEndsInTheRecovery) {
    writeSettings();
    fs.failOn(FsOperation::ReadWholeFile, "Tidecopy.ini",
              std::make_error_code(std::errc::io_error));
    ASSERT_EQ(load(), LoadOutcome::Recovered);
    EXPECT_EQ(view.eventsStartingWith("drive2"), std::vector<std::string>{"drive2 " + tmp / "usb"});
}

} // namespace
