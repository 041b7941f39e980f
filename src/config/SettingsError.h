#pragma once

#include <system_error>

namespace tidecopy {

// Why reading a settings file or a profile stopped; every one of them ends in the recovery.
enum class SettingsError {
    EndOfFile = 1,    // the file ends before the line the format expects
    NotANumber,       // a number line holds no decimal number
    NumberOutOfRange, // the number does not fit its 16- or 32-bit field
    ValueNotAllowed,  // the value fits its type but not its control (a check box given 2)
    HistoryPosition,  // a selected history position beyond the end of its list
    FolderMissing,    // a stored pane folder that no longer exists
    BadFolderName,    // a folder line holding a byte no name can hold
};

std::error_code make_error_code(SettingsError error);

} // namespace tidecopy

template <>
struct std::is_error_code_enum<tidecopy::SettingsError> : std::true_type {};
