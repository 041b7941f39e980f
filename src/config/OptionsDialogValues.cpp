#include "config/OptionsDialogValues.h"

#include "config/TextEncoding.h"
#include "log/LogOptions.h"

#include <algorithm>

namespace tidecopy {

namespace {

constexpr std::size_t extensionMaxLength = 10;
constexpr std::size_t limitMaxLength = 7;
constexpr std::int64_t smallestLogLimit = 1000;

std::string withoutSurroundingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

bool OptionsDialogValues::isChecked(std::string_view name) const {
    const auto found = checked.find(name);
    return found != checked.end() && found->second;
}

OptionsDialogValues dialogValuesOf(const OptionSet& options, bool automaticUpdateCheck) {
    OptionsDialogValues values;
    values.preserveNaming = options.PreserveNaming;
    values.extension = withoutSurroundingBlanks(options.PreserveExtension);
    values.shutdownMode = options.ShutdownMode;
    std::int16_t condition = 0;
    for (bool& box : values.dateFiles)
        box = options.DateCondition == ++condition;
    // No limit at all shows as "0", the dialog's word for it.
    const bool noLimit =
        LogLimitValue(options.LogLimit) < 0 || withoutSurroundingBlanks(options.LogLimit).empty();
    values.limit = noLimit ? "0" : options.LogLimit;
    values.colors = options.PaneColors;
    values.automaticUpdateCheck = automaticUpdateCheck;
    values.autoProfile = options.AutoProfile;
    for (const OptionCheckBox& box : optionCheckBoxes)
        values.checked[box.name] = options.*box.field != 0;
    if (options.AutoProfile.empty())
        values.checked["chkExecute"] = false;
    return values;
}

bool automationLacksProfile(const OptionsDialogValues& values) {
    return values.isChecked("chkExecute") && values.autoProfile.empty();
}

OptionSet optionsFromDialog(OptionSet options, const OptionsDialogValues& values) {
    for (const OptionCheckBox& box : optionCheckBoxes)
        options.*box.field = values.isChecked(box.name) ? 1 : 0;
    options.PreserveNaming = values.preserveNaming;
    if (std::string extension = withoutSurroundingBlanks(values.extension); !extension.empty())
        options.PreserveExtension = std::move(extension);
    options.DateCondition = 0;
    std::int16_t condition = 0;
    for (const bool box : values.dateFiles) {
        ++condition;
        if (box)
            options.DateCondition = condition;
    }
    options.keepChangedFilesTestingSize();
    // A limited log must be editable, or the program could not cut it.
    const bool limited = LogLimitValue(values.limit) >= smallestLogLimit;
    options.LogLimit = limited ? withoutSurroundingBlanks(values.limit) : std::string(1, '0');
    if (limited)
        options.chkeditLog = 1;
    options.PaneColors = values.colors;
    options.ShutdownMode = values.shutdownMode;
    options.AutoProfile = values.autoProfile;
    return options;
}

std::array<bool, 3> afterDateBoxClicked(std::array<bool, 3> boxes, int index) {
    const bool clicked = boxes.at(static_cast<std::size_t>(index));
    boxes.fill(false);
    boxes.at(static_cast<std::size_t>(index)) = clicked;
    return boxes;
}

bool isAcceptableExtension(std::string_view text) {
    const bool refused = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f || c == ',' || c == '/' || c == '\\';
    });
    return !refused && characterCount(text) <= extensionMaxLength;
}

bool isAcceptableLimit(std::string_view text) {
    return text.size() <= limitMaxLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int profileEntryFor(const std::vector<std::string>& profiles, std::string_view autoProfile) {
    // On a file system that tells case apart, the profile of that very name wins.
    const auto exact = std::find(profiles.begin(), profiles.end(), autoProfile);
    if (exact != profiles.end())
        return static_cast<int>(exact - profiles.begin());
    const std::string wanted = lowerCase(autoProfile);
    const auto similar =
        std::find_if(profiles.begin(), profiles.end(),
                     [&](const std::string& name) { return lowerCase(name) == wanted; });
    return similar == profiles.end() ? -1 : static_cast<int>(similar - profiles.begin());
}

} // namespace tidecopy
