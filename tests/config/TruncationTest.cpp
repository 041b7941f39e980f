#include "SettingsFixture.h"
#include "config/SettingsFormat.h"

using namespace tidecopy;
using namespace tidecopy::test;

namespace {

// A value the hand-written file sets on reading, and the line that carries it.
struct LineBoundValue {
    int line;
    const char* name;
    std::function<std::string(const OptionSet&, const MainState&)> value;
    std::string fromFile;
};

std::string number(std::int64_t value) {
    return std::to_string(value);
}

const std::vector<LineBoundValue> lineBoundValues = {
    {3, "copy mode", [](auto&, auto& s) { return s.optSelectiveCopy() ? "selective" : "all"; },
     "selective"},
    {4, "chkOnlyNewFiles", [](auto&, auto& s) { return number(s.chkOnlyNewFiles.checked); }, "0"},
    {5, "chkLogUser", [](auto& o, auto&) { return number(o.chkLogUser); }, "1"},
    {8, "chkPreserveFiles", [](auto&, auto& s) { return number(s.chkPreserveFiles.checked); }, "1"},
    {9, "PreserveNaming", [](auto& o, auto&) { return number(o.PreserveNaming); }, "2"},
    {10, "PreserveExtension", [](auto& o, auto&) { return o.PreserveExtension; }, "old"},
    {12, "chkCloseProg", [](auto& o, auto&) { return number(o.chkCloseProg); }, "1"},
    {13, "chkNoSoundEffect", [](auto& o, auto&) { return number(o.chkNoSoundEffect); }, "1"},
    {14, "chkLog", [](auto& o, auto&) { return number(o.chkLog); }, "1"},
    {15, "chkRelative copy", [](auto&, auto& s) { return number(s.chkRelativeCopy); }, "1"},
    {16, "chkIntegrity", [](auto& o, auto&) { return number(o.chkIntegrity); }, "1"},
    {17, "ShutdownMode", [](auto& o, auto&) { return number(o.ShutdownMode); }, "3"},
    {18, "chkConfirmationBackup", [](auto& o, auto&) { return number(o.chkConfirmationBackup); },
     "0"},
    {19, "chkExecute", [](auto& o, auto&) { return number(o.chkExecute); }, "1"},
    {20, "AutoProfile", [](auto& o, auto&) { return o.AutoProfile; }, "Nightly.prof"},
    {21, "chkSizeFiles", [](auto& o, auto&) { return number(o.chkSizeFiles); }, "0"},
    {22, "DateCondition", [](auto& o, auto&) { return number(o.DateCondition); }, "2"},
    {25, "chkeditLog", [](auto& o, auto&) { return number(o.chkeditLog); }, "1"},
    {26, "chkOnlyonce", [](auto& o, auto&) { return number(o.chkOnlyonce); }, "1"},
    {27, "chkLogDetails", [](auto& o, auto&) { return number(o.chkLogDetails); }, "1"},
    {28, "LogLimit", [](auto& o, auto&) { return o.LogLimit; }, "5000"},
    {29, "chkFolderExist", [](auto& o, auto&) { return number(o.chkFolderExist); }, "1"},
    {30, "chkEmptyFolders", [](auto& o, auto&) { return number(o.chkEmptyFolders); }, "1"},
    {31, "PaneColors 0", [](auto& o, auto&) { return number(o.PaneColors[0]); }, "16711680"},
    {32, "PaneColors 1", [](auto& o, auto&) { return number(o.PaneColors[1]); }, "65280"},
    {33, "chkOnlySubs", [](auto&, auto& s) { return number(s.chkOnlySubs.checked); }, "1"},
};

// The hand-written file cut after the line given as parameter (0: an empty file).
class TruncationTest : public SettingsFixture, public ::testing::WithParamInterface<int> {};

TEST_P(TruncationTest, ValuesBeforeTheCutStayAndTheRecoveryRuns) {
    const int lastLine = GetParam();
    std::vector<std::string> lines = handWrittenLines();
    lines.resize(static_cast<std::size_t>(lastLine));
    tmp.writeFile("prog/Tidecopy.ini", joinLines(lines));
    // Copy Files Always before loading, so that line 3 shows.
    state.selectCopyMode(CopyMode::AllCopy);
    state.DriveErrorFlag = false;
    const OptionSet initialOptions = options;
    const MainState initialState = state;

    ASSERT_EQ(load(), LoadOutcome::Recovered);

    for (const LineBoundValue& v : lineBoundValues) {
        SCOPED_TRACE(v.name);
        const std::string expected =
            v.line <= lastLine ? v.fromFile : v.value(initialOptions, initialState);
        EXPECT_EQ(v.value(options, state), expected);
    }
    // Kept aside for the steps after reading, which never ran.
    EXPECT_EQ(state.chkRecall, initialState.chkRecall);
    EXPECT_EQ(state.chkRelative, initialState.chkRelative);
    EXPECT_EQ(state.window, initialState.window);
    EXPECT_EQ(state.cmbSourceHistory, initialState.cmbSourceHistory);
    EXPECT_EQ(state.cmbTargetHistory, initialState.cmbTargetHistory);
    EXPECT_EQ(state.Dir1, initialState.Dir1);
    // The recovery.
    EXPECT_TRUE(state.chkSubFolders.checked);
    EXPECT_TRUE(state.chkChangedFiles.checked);
    EXPECT_EQ(state.cmbPattern.items,
              std::vector<std::string>(SettingsFormat::defaultPatterns.begin(),
                                       SettingsFormat::defaultPatterns.end()));
    EXPECT_EQ(state.cmbPattern.text, "*.* [All Files]");
    EXPECT_EQ(view.events, std::vector<std::string>{"drive2 " + tmp / "usb"});
}

INSTANTIATE_TEST_SUITE_P(AfterEveryLine, TruncationTest, ::testing::Range(0, 71));

TEST_F(SettingsFixture, LastLineWithoutLineEndStillCounts) {
    std::string text = joinLines(handWrittenLines());
    text.resize(text.size() - 2);
    tmp.writeFile("prog/Tidecopy.ini", text);
    EXPECT_EQ(load(), LoadOutcome::Loaded);
}

} // namespace
