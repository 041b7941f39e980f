#include "panes/FileInfoText.h"

#include "config/TextEncoding.h"

namespace tidecopy {

namespace {

std::string shownName(std::string_view name, int limit) {
    if (limit <= 3 || characterCount(name) <= static_cast<std::size_t>(limit))
        return std::string(name);
    std::size_t keep = static_cast<std::size_t>(limit - 3);
    std::size_t end = 0;
    for (; end < name.size(); ++end) {
        if ((static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
            continue;
        if (keep == 0)
            break;
        --keep;
    }
    return std::string(name.substr(0, end)) + "...";
}

} // namespace

std::string fileInfoText(std::string_view name, int limitLength, const std::string& date,
                         std::uint64_t sizeBytes) {
    return shownName(name, limitLength) + " " + date + " - " +
           std::to_string(sizeBytes / 1024 + 1) + "kB";
}

std::string GetFileSizeDateTime(FileSystem& fs, const PathStyle& style, const std::string& folder,
                                const std::string& name, int limitLength, const Clock& clock,
                                const DisplayFormats& formats) {
    const Result<EntryInfo> info = fs.entryInfo(style.join(folder, name));
    if (!info)
        return shownName(name, limitLength);
    return fileInfoText(name, limitLength, formats.generalDate(clock.localTimeOf(info->modifiedNs)),
                        info->size);
}

} // namespace tidecopy
