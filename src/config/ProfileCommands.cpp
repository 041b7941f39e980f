#include "config/ProfileCommands.h"

#include "config/LoadINI.h"
#include "config/SaveINI.h"

#include <cstdio>

namespace tidecopy {

std::string proposedProfileName(const LocalDateTime& today) {
    char date[32];
    std::snprintf(date, sizeof date, "%02d-%02d-%02d", today.year % 100, today.month, today.day);
    return std::string("Tidecopy ") + date + ".prof";
}

std::string profileLabelText(std::string_view name) {
    return std::string(name.substr(0, name.find('.')));
}

ProfileCommands::ProfileCommands(SettingsContext& settings, Prompts& prompts, AppendLog appendLog)
    : m_settings(settings)
    , m_prompts(prompts)
    , m_appendLog(std::move(appendLog)) {}

void ProfileCommands::proposeSaveNameOnce() {
    if (m_saveName.empty())
        m_saveName = proposedProfileName(m_settings.platform.clock.localNow());
}

FileDialogContext ProfileCommands::dialogContext() const {
    return {m_prompts, m_settings.platform.fs, m_settings.platform.environment.programFolder,
            m_settings.style};
}

std::optional<std::string> ProfileCommands::openProfile() {
    proposeSaveNameOnce();
    FileDialogContext dialogs = dialogContext();
    const std::optional<ChosenFile> chosen =
        ShowOpen(dialogs, FileKind::Profiles, m_settings.platform.environment.profilesFolder(),
                 m_openedName);
    if (!chosen)
        return std::nullopt;
    LoadINI(m_settings, chosen->path());
    m_openedName = chosen->name;
    m_saveName = chosen->name;
    if (m_settings.options.chkLogUser != 0)
        m_appendLog("User opened profile " + chosen->name + "\r\n");
    return profileLabelText(chosen->name);
}

std::optional<std::string> ProfileCommands::saveProfile() {
    proposeSaveNameOnce();
    FileDialogContext dialogs = dialogContext();
    const std::optional<ChosenFile> chosen = ShowSave(
        dialogs, FileKind::Profiles, m_settings.platform.environment.profilesFolder(), m_saveName);
    if (!chosen)
        return std::nullopt;
    // A failed write is not reported; the name and the label follow the choice anyway.
    SaveINI(m_settings, chosen->path());
    m_saveName = chosen->name;
    if (m_settings.options.chkLogUser != 0)
        m_appendLog("User saved profile " + chosen->name + "\r\n");
    return profileLabelText(chosen->name);
}

} // namespace tidecopy
