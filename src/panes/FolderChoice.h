#pragma once

#include "config/HistoryCommands.h"
#include "platform/UserFolders.h"

#include <functional>
#include <string>
#include <system_error>

namespace tidecopy {

class Panes;
class Prompts;
struct MainState;
struct PresetFolder;

// Choosing the selected entry of a pane's history: the pane moves
// to it. An entry that cannot be opened is reported, worded for the start-up recall
// while it is still loading; the pane keeps what it reached. An empty entry does
// nothing. The error is returned for the settings loader.
std::error_code chooseHistoryEntry(Panes& panes, MainState& state, Prompts& prompts, Pane history,
                                   StartUpPhase phase);

// A preset button: its pane moves to the user folder when that exists; otherwise the
// pane stays as it was.
std::error_code choosePresetFolder(Panes& panes, int index, const UserFolderLookup& lookUp);

} // namespace tidecopy
