#include "panes/DriveTexts.h"

#include "platform/Errors.h"

#include <algorithm>
#include <cctype>

namespace tidecopy {

std::string driveListText(const Volume& volume) {
    if (volume.label.empty())
        return volume.mountPoint;
    return volume.mountPoint + " [" + volume.label + "]";
}

std::string driveTextInMessages(const PathStyle& style, std::string text) {
    if (style.flavor() == PathStyle::Flavor::Windows)
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

PaneMessage driveErrorMessage(Pane pane, const std::string& driveText, std::error_code error) {
    const char* title =
        pane == Pane::Source ? "Error reading Drive. Error Nr:" : "Error reading drive. Error Nr:";
    return {title + std::to_string(error.value()),
            "Could not access drive " + driveText + "\r\n\r\n" + describeError(error)};
}

std::string totalFileCountText(std::size_t count) {
    return "Total file count = " + std::to_string(count);
}

} // namespace tidecopy
