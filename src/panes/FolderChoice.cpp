#include "panes/FolderChoice.h"

#include "config/MainState.h"
#include "config/PresetFolders.h"
#include "panes/DriveTexts.h"
#include "panes/Panes.h"
#include "platform/Prompts.h"

namespace tidecopy {

std::error_code chooseHistoryEntry(Panes& panes, MainState& state, Prompts& prompts, Pane history,
                                   StartUpPhase phase) {
    const HistoryCombo& combo = historyOf(state, history);
    if (!canRemoveSelectedEntry(combo))
        return {};
    const std::string folder = combo.items[static_cast<std::size_t>(combo.selected)];
    if (folder.empty())
        return {};
    const std::error_code error = panes.setFolder(history, folder);
    if (!error)
        return {};
    // Where drives are letters the message names the first three characters of the
    // entry; elsewhere the mount point the entry lies on.
    const Volume* volume = volumeHolding(panes.drives(), folder);
    const PathStyle style = PathStyle::native();
    const std::string drive = style.flavor() == PathStyle::Flavor::Windows
                                  ? driveTextInMessages(style, folder.substr(0, 3))
                              : volume != nullptr ? volume->mountPoint
                                                  : style.rootOf(folder);
    const HistoryErrorMessage message = historyErrorMessage(drive, error, phase);
    prompts.message(message.title, message.text, PromptButtons::Ok, PromptIcon::Warning);
    return error;
}

std::error_code choosePresetFolder(Panes& panes, int index, const UserFolderLookup& lookUp) {
    const std::optional<PresetFolder> preset = presetFolder(index);
    if (!preset)
        return std::make_error_code(std::errc::invalid_argument);
    const std::string folder = lookUp(preset->folder);
    if (folder.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    return panes.setFolder(preset->pane, folder);
}

} // namespace tidecopy
