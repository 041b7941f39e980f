#pragma once

#include "config/ProfileDialogs.h"
#include "log/ActivityLog.h"
#include "log/LogPrinter.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/PathStyle.h"
#include "platform/Prompts.h"

#include <optional>
#include <string>
#include <string_view>

namespace tidecopy {

// What the caption of frmLog shows for a log file: "         - " and the file name up
// to its last ".".
std::string logFrameCaption(std::string_view fileName);

// The caption of frmLog for a log that has no file.
inline constexpr std::string_view unnamedLogCaption = "        ";

// The log's text as a file holds it: NUL bytes left out and every byte that starts no
// valid UTF-8 sequence replaced, so the log counts its characters truly.
std::string logTextOfFile(std::string_view contents);

// What the log commands work with.
struct LogCommandsContext {
    ActivityLog& log;
    Prompts& prompts;
    FileSystem& fs;
    const Clock& clock;
    const Environment& environment;
    LogPrinter& printer;
    PathStyle style = PathStyle::native();
};

// The commands on the activity log, cmdLogoption(0..4) but Find: Open, Save, Print and
// New, with LogFileName, the name the dialogs propose. Open, Save and New answer the
// new caption of frmLog, or nullopt when nothing changed.
class LogCommands {
public:
    explicit LogCommands(LogCommandsContext context);

    std::optional<std::string> openLog();
    std::optional<std::string> saveLog();
    void printLog();
    std::optional<std::string> newLog();

    const std::string& LogFileName() const { return m_logFileName; }

private:
    // Before every command: an empty LogFileName becomes today's name.
    void nameLogForToday();
    FileDialogContext dialogContext() const;
    // A file opened or saved names the log.
    std::string nameLog(const ChosenFile& file);

    LogCommandsContext m_context;
    std::string m_logFileName;
};

} // namespace tidecopy
