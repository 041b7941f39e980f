#include "config/SettingsLineNames.h"

#include "config/SaveINI.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace tidecopy {
namespace {

TEST(SettingsLineNames, NameEveryValueOnceAndOnlyValues) {
    std::set<std::string> names;
    for (int line = 1; line <= 72; ++line) {
        const std::string name = settingsLineName(line);
        if (!name.empty()) {
            EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
        }
    }
    // 72 lines less the header, the reserved line and six markers.
    EXPECT_EQ(names.size(), 64u);
    const std::pair<int, const char*> samples[] = {{1, ""},
                                                   {2, "optAllCopy"},
                                                   {10, "PreserveExtension"},
                                                   {23, "window.left"},
                                                   {34, ""},
                                                   {35, ""},
                                                   {36, "cmbSourceHistory.selected"},
                                                   {37, "Dir1"},
                                                   {38, "cmbSourceHistory[0]"},
                                                   {47, "cmbSourceHistory[9]"},
                                                   {48, ""},
                                                   {51, "Dir2"},
                                                   {61, "cmbTargetHistory[9]"},
                                                   {64, "cmbPattern.text"},
                                                   {70, "cmbPattern[5]"},
                                                   {71, ""},
                                                   {72, "chkChecksumList"},
                                                   {73, ""}};
    for (const auto& [line, name] : samples)
        EXPECT_EQ(settingsLineName(line), name) << line;
}

TEST(SettingsLineNames, NumberLinesAreTheOnesWrittenAsNumbers) {
    // A written number is " n " or "-n ": a trailing blank that no text line of a fresh
    // file has.
    OptionSet options;
    options.PreserveExtension = "bak";
    MainState state;
    state.Dir1 = "/a";
    std::istringstream lines(settingsFileText(options, state));
    std::string text;
    for (int line = 1; std::getline(lines, text); ++line) {
        text.pop_back(); // CR
        const bool writtenAsNumber = !text.empty() && text.back() == ' ';
        EXPECT_EQ(settingsLineIsNumber(line), writtenAsNumber) << line << ": \"" << text << '"';
    }
}

} // namespace
} // namespace tidecopy
