#include "log/DailyLog.h"

#include "log/ActivityLog.h"
#include "platform/Existence.h"

#include <cstdio>

namespace tidecopy {

namespace {

constexpr std::size_t extensionLength = 4; // ".log"
constexpr int lastLogNumber = 99;
constexpr std::size_t shortestSavedLog = 20;

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// folder + the stem of name + " NN" + its extension.
std::string numberedLogName(const PathStyle& style, std::string_view name, std::string_view folder,
                            int number) {
    const std::size_t stemLength =
        name.size() > extensionLength ? name.size() - extensionLength : 0;
    return style.withTrailingSeparator(folder) + std::string(name.substr(0, stemLength)) + " " +
           twoDigits(number) + std::string(name.substr(stemLength));
}

// Whether one of the day's log files holds exactly this text: closing the program after
// the after-backup step would otherwise write the same log twice, a shutdown three times.
bool savedAlready(FileSystem& fs, const PathStyle& style, std::string_view name,
                  std::string_view folder, const std::string& contents) {
    for (int number = 1; number <= lastLogNumber; ++number) {
        const std::string path = numberedLogName(style, name, folder, number);
        const Result<EntryInfo> info = fs.entryInfo(path);
        if (!info || info->type != EntryType::File || info->size != contents.size())
            continue;
        const Result<std::string> saved = fs.readWholeFile(path);
        if (saved && *saved == contents)
            return true;
    }
    return false;
}

} // namespace

std::string dailyLogBaseName(const LocalDateTime& today) {
    return "Log " + twoDigits(today.year % 100) + "-" + twoDigits(today.month) + "-" +
           twoDigits(today.day) + ".log";
}

std::string UniqueLogFileName(FileSystem& fs, const PathStyle& style, std::string_view name,
                              std::string_view folder) {
    std::string candidate;
    for (int number = 1; number <= lastLogNumber; ++number) {
        candidate = numberedLogName(style, name, folder, number);
        if (!FileExists(fs, style, candidate))
            break;
    }
    return candidate;
}

void SaveDailyLog(FileSystem& fs, const PathStyle& style, const Clock& clock,
                  std::string_view logsFolder, bool chkLog, std::string_view logText) {
    if (!chkLog || logCharacterCount(logText) < shortestSavedLog)
        return;
    // A file ends its last line, also when the log's last line is still open.
    std::string contents(logText);
    if (!contents.ends_with('\n'))
        contents += "\r\n";
    const std::string name = dailyLogBaseName(clock.localNow());
    if (savedAlready(fs, style, name, logsFolder, contents))
        return;
    const std::string path = UniqueLogFileName(fs, style, name, logsFolder);
    // A log that cannot be saved must not disturb closing or shutting down.
    [[maybe_unused]] const std::error_code ignored = fs.writeWholeFileAtomically(path, contents);
}

} // namespace tidecopy
