#pragma once

#include "config/MainState.h"
#include "config/Pane.h"

#include <string>
#include <system_error>

namespace tidecopy {

// The history of the source or the destination pane.
HistoryCombo& historyOf(MainState& state, Pane history);

// "Remove Selected Item from History" is offered only when the side has a selection.
bool canRemoveSelectedEntry(const HistoryCombo& history);

// "Clear History".
void clearHistory(MainState& state, Pane history);

// "Remove Selected Item from History": removes the selected entry; nothing is selected
// afterwards.
void removeSelectedHistoryEntry(MainState& state, Pane history);

// Whether the program is still recalling the last folders at start-up, which the
// message of a history entry that cannot be opened mentions.
enum class StartUpPhase { Loading, Done };

struct HistoryErrorMessage {
    std::string title;
    std::string text;
};

// The message for a history entry on driveText that could not be opened.
HistoryErrorMessage historyErrorMessage(const std::string& driveText, std::error_code error,
                                        StartUpPhase phase);

} // namespace tidecopy
