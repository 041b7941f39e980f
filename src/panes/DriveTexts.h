#pragma once

#include "config/Pane.h"
#include "platform/PathStyle.h"
#include "platform/Volumes.h"

#include <string>
#include <system_error>

namespace tidecopy {

// What a drive list shows for a volume: the mount point, then " [label]" when known.
std::string driveListText(const Volume& volume);

// A drive list text as messages show it: in capitals where drives are letters; mount
// points keep their case, as the file system does.
std::string driveTextInMessages(const PathStyle& style, std::string text);

// A title, a text and the error behind them, ready for a message box.
struct PaneMessage {
    std::string title;
    std::string text;
};

// The message of a drive chosen in a pane that could not be read.
PaneMessage driveErrorMessage(Pane pane, const std::string& driveText, std::error_code error);

// "Total file count = 12"
std::string totalFileCountText(std::size_t count);

} // namespace tidecopy
