#include "config/PresetFolders.h"

#include <array>

namespace tidecopy {

std::optional<PresetFolder> presetFolder(int index) {
    struct Row {
        UserFolder folder;
        const char* caption;
    };
    static constexpr std::array<Row, 5> row{{{UserFolder::Desktop, "Desktop"},
                                             {UserFolder::Documents, "My Documents"},
                                             {UserFolder::Pictures, "My Pictures"},
                                             {UserFolder::Music, "My Music"},
                                             {UserFolder::Videos, "My Videos"}}};
    if (index < 0 || index > 9)
        return std::nullopt;
    const Row& entry = row[static_cast<std::size_t>(index % 5)];
    return PresetFolder{index < 5 ? Pane::Source : Pane::Destination, entry.folder, entry.caption};
}

} // namespace tidecopy
