#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <string>
#include <string_view>

namespace tidecopy {

// The numbered daily log files in the Logs folder: "Log yy-mm-dd NN.log".

// "Log 16-06-21.log" for 21 June 2016: the base name that UniqueLogFileName numbers.
std::string dailyLogBaseName(const LocalDateTime& today);

// folder + the stem of name + " NN" + its last four characters, with the first NN from
// 01 to 99 that names no existing file; 99 when all of them exist.
std::string UniqueLogFileName(FileSystem& fs, const PathStyle& style, std::string_view name,
                              std::string_view folder);

// Writes logText to today's next daily log file in logsFolder when chkLog is on and the
// log holds 20 characters or more, ending its last line. A text one of today's files
// already holds is not written again. Every failure is swallowed; the folder is not
// created.
void SaveDailyLog(FileSystem& fs, const PathStyle& style, const Clock& clock,
                  std::string_view logsFolder, bool chkLog, std::string_view logText);

} // namespace tidecopy
