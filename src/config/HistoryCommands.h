#pragma once

#include "config/MainState.h"

#include <string>
#include <system_error>

namespace tidecopy {

// The history a command acts on: 1 the source history, 2 the destination history.
using ActiveHistory = int;

HistoryCombo& historyOf(MainState& state, ActiveHistory history);

// "Remove Selected Item from History" is offered only when the side has a selection.
bool canRemoveSelectedEntry(const HistoryCombo& history);

// "Clear History": 1 clears the source history, any other value the destination one.
void clearHistory(MainState& state, ActiveHistory history);

// "Remove Selected Item from History": removes the selected entry of history 1 or 2;
// nothing is selected afterwards.
void removeSelectedHistoryEntry(MainState& state, ActiveHistory history);

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
