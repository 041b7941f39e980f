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

} // namespace

std::string dailyLogBaseName(const LocalDateTime& today) {
    return "Log " + twoDigits(today.year % 100) + "-" + twoDigits(today.month) + "-" +
           twoDigits(today.day) + ".log";
}

std::string UniqueLogFileName(FileSystem& fs, const PathStyle& style, std::string_view name,
                              std::string_view folder) {
    const std::size_t stemLength =
        name.size() > extensionLength ? name.size() - extensionLength : 0;
    const std::string_view stem = name.substr(0, stemLength);
    const std::string_view extension = name.substr(stemLength);
    const std::string base = style.withTrailingSeparator(folder) + std::string(stem) + " ";

    std::string candidate;
    for (int number = 1; number <= lastLogNumber; ++number) {
        candidate = base + twoDigits(number) + std::string(extension);
        if (!FileExists(fs, style, candidate))
            break;
    }
    return candidate;
}

void SaveDailyLog(FileSystem& fs, const PathStyle& style, const Clock& clock,
                  std::string_view logsFolder, bool chkLog, std::string_view logText) {
    if (!chkLog || logCharacterCount(logText) < shortestSavedLog)
        return;
    const std::string path =
        UniqueLogFileName(fs, style, dailyLogBaseName(clock.localNow()), logsFolder);
    // A log that cannot be saved must not disturb closing or shutting down.
    [[maybe_unused]] const std::error_code ignored =
        fs.writeWholeFileAtomically(path, std::string(logText));
}

} // namespace tidecopy
