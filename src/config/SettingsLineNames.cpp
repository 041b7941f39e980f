#include "config/SettingsLineNames.h"

#include "config/SettingsFormat.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tidecopy {

namespace {

// Lines 1 to 35, in the order of the file.
constexpr std::array<std::string_view, 35> leadingLines = {"",
                                                           "optAllCopy",
                                                           "optSelectiveCopy",
                                                           "chkOnlyNewFiles",
                                                           "chkLogUser",
                                                           "chkChangedFiles",
                                                           "chkSubFolders",
                                                           "chkPreserveFiles",
                                                           "PreserveNaming",
                                                           "PreserveExtension",
                                                           "chkRecall",
                                                           "chkCloseProg",
                                                           "chkNoSoundEffect",
                                                           "chkLog",
                                                           "chkRelative",
                                                           "chkIntegrity",
                                                           "ShutdownMode",
                                                           "chkConfirmationBackup",
                                                           "chkExecute",
                                                           "AutoProfile",
                                                           "chkSizeFiles",
                                                           "DateCondition",
                                                           "window.left",
                                                           "window.top",
                                                           "chkeditLog",
                                                           "chkOnlyonce",
                                                           "chkLogDetails",
                                                           "LogLimit",
                                                           "chkFolderExist",
                                                           "chkEmptyFolders",
                                                           "PaneColors[0]",
                                                           "PaneColors[1]",
                                                           "chkOnlySubs",
                                                           "",
                                                           ""};

constexpr std::array<int, 3> textLinesAmongLeading = {10, 20, 28};
constexpr std::array<int, 2> fieldLines = {10, 28}; // PreserveExtension, LogLimit

std::string historyLineName(int line, int first, const char* history) {
    if (line == first)
        return std::string(history) + ".selected";
    if (line == first + 1)
        return first == 36 ? "Dir1" : "Dir2";
    return std::string(history) + "[" + std::to_string(line - first - 2) + "]";
}

} // namespace

std::string settingsLineName(int line) {
    if (line >= 1 && line <= 35)
        return std::string(leadingLines[static_cast<std::size_t>(line - 1)]);
    if (line >= 36 && line <= 47)
        return historyLineName(line, 36, "cmbSourceHistory");
    if (line >= 50 && line <= 61)
        return historyLineName(line, 50, "cmbTargetHistory");
    if (line == 64)
        return "cmbPattern.text";
    if (line >= 65 && line <= 70)
        return "cmbPattern[" + std::to_string(line - 65) + "]";
    if (line == SettingsFormat::checksumListLine)
        return "chkChecksumList";
    return {};
}

bool settingsLineIsNumber(int line) {
    if (line >= 2 && line <= 34) {
        for (int text : textLinesAmongLeading)
            if (line == text)
                return false;
        return true;
    }
    return line == 36 || line == 50 || line == SettingsFormat::checksumListLine;
}

bool settingsLineIsField(int line) {
    return std::find(fieldLines.begin(), fieldLines.end(), line) != fieldLines.end();
}

} // namespace tidecopy
