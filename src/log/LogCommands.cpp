#include "log/LogCommands.h"

#include "config/TextEncoding.h"
#include "log/DailyLog.h"
#include "platform/Errors.h"

#include <algorithm>

namespace tidecopy {

std::string logFrameCaption(std::string_view fileName) {
    return "         - " + std::string(fileName.substr(0, fileName.rfind('.')));
}

std::string logTextOfFile(std::string_view contents) {
    std::string text(contents);
    std::erase(text, '\0');
    return withValidUtf8(text);
}

LogCommands::LogCommands(LogCommandsContext context)
    : m_context(context) {}

void LogCommands::nameLogForToday() {
    if (m_logFileName.empty())
        m_logFileName = dailyLogBaseName(m_context.clock.localNow());
}

FileDialogContext LogCommands::dialogContext() const {
    return {m_context.prompts, m_context.fs, m_context.environment.programFolder, m_context.style};
}

std::string LogCommands::nameLog(const ChosenFile& file) {
    m_logFileName = file.name;
    m_context.log.clearLogDirty();
    return logFrameCaption(file.name);
}

std::optional<std::string> LogCommands::openLog() {
    nameLogForToday();
    FileDialogContext dialogs = dialogContext();
    const std::optional<ChosenFile> chosen =
        ShowOpen(dialogs, FileKind::LogFiles, m_context.environment.logsFolder(), m_logFileName);
    if (!chosen)
        return std::nullopt;
    // The dialog has read the file once; one that went meanwhile leaves the log alone.
    const Result<std::string> contents = m_context.fs.readWholeFile(chosen->path());
    if (!contents)
        return std::nullopt;
    m_context.log.load(logTextOfFile(*contents));
    return nameLog(*chosen);
}

std::optional<std::string> LogCommands::saveLog() {
    nameLogForToday();
    FileDialogContext dialogs = dialogContext();
    const std::optional<ChosenFile> chosen =
        ShowSave(dialogs, FileKind::LogFiles, m_context.environment.logsFolder(), m_logFileName);
    if (!chosen)
        return std::nullopt;
    if (const std::error_code error = m_context.fs.writeWholeFileAtomically(
            chosen->path(), std::string(m_context.log.text()))) {
        // The log stays unsaved, so New Log still asks before it goes.
        m_context.prompts.message("Save Log",
                                  "The Log could not be saved to " + chosen->path() + ":\r\n" +
                                      describeError(error),
                                  PromptButtons::Ok, PromptIcon::Warning);
        return std::nullopt;
    }
    return nameLog(*chosen);
}

void LogCommands::printLog() {
    nameLogForToday();
    if (m_context.prompts.message("Print Log", "Do you want to print the Log?",
                                  PromptButtons::YesNo,
                                  PromptIcon::Information) != PromptAnswer::Yes)
        return;
    switch (m_context.printer.print(m_context.log.text())) {
    case PrintOutcome::Printed:
        return;
    case PrintOutcome::NoPrinter:
        m_context.prompts.message("Print Log", "No printer is installed.", PromptButtons::Ok,
                                  PromptIcon::Warning);
        return;
    case PrintOutcome::Failed:
        m_context.prompts.message("Print Log", "The Log could not be printed.", PromptButtons::Ok,
                                  PromptIcon::Warning);
        return;
    }
}

std::optional<std::string> LogCommands::newLog() {
    nameLogForToday();
    if (m_context.log.LogDirty() &&
        m_context.prompts.message(
            "New Log", "The Log has not been saved.\r\n\r\nDo you want to start a New Log?",
            PromptButtons::YesNo, PromptIcon::Information) != PromptAnswer::Yes)
        return std::nullopt;
    m_context.log.replaceText({});
    m_context.log.clearLogDirty();
    m_logFileName = dailyLogBaseName(m_context.clock.localNow());
    return std::string(unnamedLogCaption);
}

} // namespace tidecopy
