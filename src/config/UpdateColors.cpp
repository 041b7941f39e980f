#include "config/UpdateColors.h"

namespace tidecopy {

void UpdateColors(OptionSet& options, SettingsView& view) {
    for (std::int32_t& color : options.PaneColors)
        if (color < 1)
            color = systemWindowColor;
    const std::int32_t source = options.PaneColors[0];
    const std::int32_t destination = options.PaneColors[1];
    // The history boxes keep whatever they had when the pane goes back to the system colour.
    if (source != systemWindowColor)
        view.setBackgroundColor(PaneControl::cmbSourceHistory, source);
    if (destination != systemWindowColor)
        view.setBackgroundColor(PaneControl::cmbTargetHistory, destination);
    for (PaneControl control : {PaneControl::Drive1, PaneControl::Dir1, PaneControl::File1})
        view.setBackgroundColor(control, source);
    for (PaneControl control : {PaneControl::Drive2, PaneControl::Dir2, PaneControl::File2})
        view.setBackgroundColor(control, destination);
}

} // namespace tidecopy
