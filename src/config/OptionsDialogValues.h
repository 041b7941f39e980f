#pragma once

#include "config/OptionSet.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tidecopy {

// A check box of the options dialog that shows one field of the option set as it is,
// named as that field. A new option of this kind is one row here and one box in the
// dialog.
struct OptionCheckBox {
    const char* name;
    std::int16_t OptionSet::*field;
};

inline constexpr std::array optionCheckBoxes{
    OptionCheckBox{"chkSizeFiles", &OptionSet::chkSizeFiles},
    OptionCheckBox{"chkEmptyFolders", &OptionSet::chkEmptyFolders},
    OptionCheckBox{"chkNoSoundEffect", &OptionSet::chkNoSoundEffect},
    OptionCheckBox{"chkIntegrity", &OptionSet::chkIntegrity},
    OptionCheckBox{"chkChecksumList", &OptionSet::chkChecksumList},
    OptionCheckBox{"chkFolderExist", &OptionSet::chkFolderExist},
    OptionCheckBox{"chkConfirmationBackup", &OptionSet::chkConfirmationBackup},
    OptionCheckBox{"chkLogDetails", &OptionSet::chkLogDetails},
    OptionCheckBox{"chkLogUser", &OptionSet::chkLogUser},
    OptionCheckBox{"chkeditLog", &OptionSet::chkeditLog},
    OptionCheckBox{"chkLog", &OptionSet::chkLog},
    OptionCheckBox{"chkExecute", &OptionSet::chkExecute},
    OptionCheckBox{"chkOnlyonce", &OptionSet::chkOnlyonce},
    OptionCheckBox{"chkCloseProg", &OptionSet::chkCloseProg},
};

// What the controls of the options dialog hold, one value per control.
struct OptionsDialogValues {
    std::int16_t preserveNaming = 0;                  // the selected Option1
    std::string extension;                            // txtExt
    std::array<bool, 3> dateFiles{};                  // chkDateFiles(0..2)
    std::string limit;                                // txtLimit
    std::int16_t shutdownMode = 0;                    // the selected optShutdown
    std::array<std::int32_t, 2> colors{};             // lblColor(0) and lblColor(1)
    bool automaticUpdateCheck = true;                 // chkVersionupdate
    std::string autoProfile;                          // the file selected in File1; empty for none
    std::map<std::string, bool, std::less<>> checked; // the optionCheckBoxes by name

    bool isChecked(std::string_view name) const;
    bool operator==(const OptionsDialogValues&) const = default;
};

// The dialog's controls for an option set, as it opens. "NoURLupdate" lives in the
// settings store, hence automaticUpdateCheck apart. Automation without a profile starts
// unchecked; a negative or empty limit shows as "0".
OptionsDialogValues dialogValuesOf(const OptionSet& options, bool automaticUpdateCheck);

// OK refuses automation without a profile, before anything changes.
bool automationLacksProfile(const OptionsDialogValues& values);

// The option set OK makes of the dialog: an empty extension keeps the old one, the
// highest checked date box wins, "changed files" test at least the size, a limit below
// 1000 becomes "0" and a limit of 1000 or more makes the log editable.
OptionSet optionsFromDialog(OptionSet options, const OptionsDialogValues& values);

// The date boxes are a choice of at most one: a click on one unchecks the other two.
std::array<bool, 3> afterDateBoxClicked(std::array<bool, 3> boxes, int index);

// What the text boxes take: txtExt at most 10 characters, none that a settings line or a
// file name cannot carry (",", "/", "\\", control characters); txtLimit at most 7 digits.
bool isAcceptableExtension(std::string_view text);
bool isAcceptableLimit(std::string_view text);

// The entry of the listed profiles that AutoProfile names: the same name, else the first
// that differs only in case; -1 for none.
int profileEntryFor(const std::vector<std::string>& profiles, std::string_view autoProfile);

} // namespace tidecopy
