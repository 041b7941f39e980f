#include "panes/FileProperties.h"

#include "panes/DirSizeText.h"

namespace tidecopy {

std::string permissionText(std::uint32_t permissions) {
    std::string text = "rwxrwxrwx";
    for (std::size_t bit = 0; bit < text.size(); ++bit)
        if ((permissions & (0400u >> bit)) == 0)
            text[bit] = '-';
    // Set-user-ID, set-group-ID and sticky show in the execute places, in capitals when
    // the execute bit is off.
    const auto special = [&](std::uint32_t flag, std::size_t place, char on) {
        if (permissions & flag)
            text[place] = text[place] == 'x' ? on : static_cast<char>(on - 'a' + 'A');
    };
    special(04000, 2, 's');
    special(02000, 5, 's');
    special(01000, 8, 't');
    return text;
}

std::string propertiesText(FileSystem& fs, const PathStyle& style, const DisplayFormats& formats,
                           const std::string& path) {
    std::string text = "Name: " + std::string(style.fileNameOf(path)) +
                       "\r\nFolder: " + style.withoutTrailingSeparator(style.folderPartOf(path));
    const Result<EntryInfo> info = fs.entryInfo(path);
    if (!info)
        return text;
    text += "\r\nSize: " + groupedDigits(info->size, formats.thousandsSeparator) + " bytes";
    if (formats.generalDate)
        text += "\r\nModified: " + formats.generalDate(info->modifiedNs);
    if (info->type != EntryType::Symlink)
        text += "\r\nPermissions: " + permissionText(info->permissions);
    return text;
}

} // namespace tidecopy
