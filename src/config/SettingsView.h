#pragma once

#include "config/Pane.h"

#include <cstdint>
#include <string>
#include <system_error>

namespace tidecopy {

// Controls whose background follows the pane colours.
enum class PaneControl {
    cmbSourceHistory,
    cmbTargetHistory,
    Drive1,
    Dir1,
    File1,
    Drive2,
    Dir2,
    File2
};

inline Pane paneOf(PaneControl control) {
    switch (control) {
    case PaneControl::cmbSourceHistory:
    case PaneControl::Drive1:
    case PaneControl::Dir1:
    case PaneControl::File1:
        return Pane::Source;
    default:
        return Pane::Destination;
    }
}

struct TwipsSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// What loading settings does to the main window beyond its plain state. The window
// implements it; the rules that decide when and with what stay in the core.
class SettingsView {
public:
    virtual ~SettingsView() = default;

    virtual void setLogMaxLength(std::int32_t length) = 0;
    virtual void unlockLog() = 0;

    virtual TwipsSize screenSize() = 0;
    virtual TwipsSize windowSize() = 0;
    virtual void moveWindow(std::int32_t left, std::int32_t top) = 0;

    // A colour value: 0x00BBGGRR, or 0x800000nn for system colour nn.
    virtual void setBackgroundColor(PaneControl control, std::int32_t color) = 0;

    // Runs the history's selection handler for the entry at position; the state already
    // holds the new selection.
    virtual std::error_code selectHistoryEntry(Pane pane, int position) = 0;
    // Moves the pane's folder list to an existing folder.
    virtual std::error_code setFolder(Pane pane, const std::string& folder) = 0;
    // Moves the destination drive list to a drive; failures are the pane's to report.
    virtual void setDestinationDrive(const std::string& drive) = 0;
};

} // namespace tidecopy
