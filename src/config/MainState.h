#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tidecopy {

// The filter's first item; also the text the filter starts with.
inline constexpr const char* allFilesPattern = "*.* [All Files]";

enum class CopyMode { AllCopy, SelectiveCopy }; // optAllCopy, optSelectiveCopy

struct CheckBox {
    bool checked = false;
    bool enabled = true;
    bool operator==(const CheckBox&) const = default;
};

// The filter combo box: an editable text over a list.
struct PatternCombo {
    std::string text;
    std::vector<std::string> items;
    bool operator==(const PatternCombo&) const = default;
};

// A folder history combo box.
struct HistoryCombo {
    std::vector<std::string> items;
    int selected = -1; // -1: nothing selected
    bool operator==(const HistoryCombo&) const = default;
};

// Screen position of the main window, in twips.
struct WindowPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool minimised = false;
    bool operator==(const WindowPosition&) const = default;
};

// The main window's state that the settings file carries besides the OptionSet, as plain
// data the window binds its controls to. The member initialisers are the designed
// initial states.
struct MainState {
    CopyMode copyMode = CopyMode::SelectiveCopy;
    CheckBox chkOnlyNewFiles{true};
    CheckBox chkChangedFiles{true};
    CheckBox chkSubFolders{true};
    CheckBox chkPreserveFiles;
    CheckBox chkRelative;
    CheckBox chkOnlySubs;
    CheckBox chkRecall;
    PatternCombo cmbPattern{allFilesPattern, {}};
    HistoryCombo cmbSourceHistory;
    HistoryCombo cmbTargetHistory;
    std::string Dir1; // current folder of the source folder list
    std::string Dir2; // current folder of the destination folder list
    WindowPosition window;
    std::int16_t chkRelativeCopy = 0; // the window's own 16-bit copy of chkRelative
    bool DriveErrorFlag = false;      // raised by the panes when a drive or folder change fails

    bool operator==(const MainState&) const = default;

    bool optAllCopy() const { return copyMode == CopyMode::AllCopy; }
    bool optSelectiveCopy() const { return copyMode == CopyMode::SelectiveCopy; }
    // Copy Files Always disables the conditions and preservation; Conditionally enables them.
    void selectCopyMode(CopyMode mode);
};

} // namespace tidecopy
