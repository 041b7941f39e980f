#pragma once

#include "config/ProfileDialogs.h"
#include "config/SettingsContext.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tidecopy {

// "Tidecopy 26-12-04.prof" on 4 December 2026: the name the dialogs propose first.
std::string proposedProfileName(const LocalDateTime& today);

// What lblProfile shows for a profile file name: the name up to its first ".".
std::string profileLabelText(std::string_view name);

// The profile commands of the main window (cmdSaveOpen(0) opens, (1) saves): the
// dialogs, the file names they remember for as long as the window lives, the profile
// name to show and the log lines. The window only shows the answered lblProfile text.
class ProfileCommands {
public:
    using AppendLog = std::function<void(std::string_view)>;

    ProfileCommands(SettingsContext& settings, Prompts& prompts, AppendLog appendLog);

    // Each answers the new lblProfile text, or nullopt when the dialog was cancelled.
    std::optional<std::string> openProfile();
    std::optional<std::string> saveProfile();

private:
    void proposeSaveNameOnce();
    FileDialogContext dialogContext() const;

    SettingsContext& m_settings;
    Prompts& m_prompts;
    AppendLog m_appendLog;
    std::string m_openedName; // the last opened profile, proposed by the open dialog
    std::string m_saveName;   // proposed by the save dialog
};

} // namespace tidecopy
