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

std::string fileInfoText(std::string_view strFile, int intLimitLength, const std::string& date,
                         std::uint64_t sizeBytes) {
    return shownName(strFile, intLimitLength) + " " + date + " - " +
           std::to_string(sizeBytes / 1024 + 1) + "kB";
}

std::string GetFileSizeDateTime(FileSystem& fs, const PathStyle& style, const std::string& strPath,
                                const std::string& strFile, int intLimitLength,
                                const DisplayFormats& formats) {
    const Result<EntryInfo> info = fs.entryInfo(style.join(strPath, strFile));
    if (!info)
        return shownName(strFile, intLimitLength);
    const std::string date = formats.generalDate ? formats.generalDate(info->modifiedNs) : "";
    return fileInfoText(strFile, intLimitLength, date, info->size);
}

} // namespace tidecopy
