#include "config/SettingsError.h"

#include <string>

namespace tidecopy {

namespace {

// Names the settings errors in messages and keeps them apart from system errors.
class SettingsErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "settings"; }
    std::string message(int value) const override {
        switch (static_cast<SettingsError>(value)) {
        case SettingsError::EndOfFile:
            return "Input past end of file";
        case SettingsError::NotANumber:
            return "Not a number";
        case SettingsError::NumberOutOfRange:
            return "Overflow";
        case SettingsError::ValueNotAllowed:
            return "Invalid property value";
        case SettingsError::HistoryPosition:
            return "Invalid history position";
        case SettingsError::FolderMissing:
            return "Path not found";
        case SettingsError::BadFolderName:
            return "Bad file name or number";
        }
        return "Settings error";
    }
};

} // namespace

std::error_code make_error_code(SettingsError error) {
    static const SettingsErrorCategory category;
    return {static_cast<int>(error), category};
}

} // namespace tidecopy
