#include "config/ResetSettings.h"

#include "config/SettingsStoreKeys.h"

namespace tidecopy {

namespace {
constexpr const char* resetTitle = "Reset Tidecopy";
}

ResetOutcome ResetAllSettings(Prompts& prompts, FileSystem& fs, SettingsStore& store,
                              const Environment& environment) {
    const PromptAnswer answer =
        prompts.message(resetTitle,
                        "The program will close to be able to restore all settings.\r\n"
                        "Are you sure to restore all settings back to their initial values?",
                        PromptButtons::YesNo, PromptIcon::None);
    if (answer != PromptAnswer::Yes)
        return ResetOutcome::Declined;
    if (fs.removeFile(environment.settingsFilePath()))
        return ResetOutcome::NothingDeleted;
    store.save(SettingsStoreKeys::application, SettingsStoreKeys::section,
               SettingsStoreKeys::NoURLupdate, "No");
    prompts.message(resetTitle,
                    "All settings restored. Program will close. Please restart Tidecopy...",
                    PromptButtons::Ok, PromptIcon::None);
    return ResetOutcome::EndProgramAtOnce;
}

} // namespace tidecopy
