#pragma once

#include "config/MainState.h"

#include <array>

namespace tidecopy::SettingsFormat {

// Fixed texts and sizes of the 71-line settings and profile format.
inline constexpr int lineCount = 71;
// Lines after the 71, which older readers never read: a file without them loads them as
// off. Every file written has them.
inline constexpr int checksumListLine = 72;
inline constexpr int writtenLineCount = 72;
inline constexpr int historyLines = 10;
inline constexpr int patternLines = 5;

inline constexpr const char* startSourceFolders = "[Start source folders]";
inline constexpr const char* endSourceFolders = "[End source folders]";
inline constexpr const char* startTargetFolders = "[Start target folders]";
inline constexpr const char* endTargetFolders = "[End target folders]";
inline constexpr const char* startPatterns = "[Start patterns]";
inline constexpr const char* endPatterns = "[End patterns]";

// What the pattern list holds after a first start and after a failed load.
inline constexpr std::array<const char*, 3> defaultPatterns = {allFilesPattern, "*.JPG [Pictures]",
                                                               "*.MP3 [Music]"};

} // namespace tidecopy::SettingsFormat
