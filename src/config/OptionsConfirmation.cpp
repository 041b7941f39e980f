#include "config/OptionsConfirmation.h"

#include "config/SettingsStoreKeys.h"
#include "config/UpdateColors.h"
#include "panes/FolderContents.h"
#include "platform/Enumeration.h"
#include "platform/Errors.h"
#include "update/ProductVersion.h"

namespace tidecopy {

namespace {

std::string stored(SettingsStore& store, const char* key) {
    return store.get(SettingsStoreKeys::application, SettingsStoreKeys::section, key, "");
}

void store(SettingsStore& store, const char* key, const std::string& value) {
    store.save(SettingsStoreKeys::application, SettingsStoreKeys::section, key, value);
}

} // namespace

bool automaticUpdateCheckOn(SettingsStore& settingsStore) {
    return stored(settingsStore, SettingsStoreKeys::NoURLupdate) != "Yes";
}

Result<std::vector<std::string>> listProfiles(FileSystem& fs, const std::string& folder) {
    std::vector<FolderEntry> entries;
    if (const std::error_code error = fs.listFolder(folder, entries))
        return error;
    std::vector<std::string> profiles;
    for (FolderEntry& entry : entries)
        if (entry.type != EntryType::Directory &&
            passesAttributeMask(entry.attributes, AttributeMask::OrdinaryFilesOnly) &&
            matchesWildcard("*.prof", entry.name))
            profiles.push_back(std::move(entry.name));
    sortByName(profiles);
    return profiles;
}

std::string loadErrorText(std::error_code error) {
    return "Error " + std::to_string(error.value()) + " (" + describeError(error) +
           ") in procedure Form_Load of Form frmPresOptions";
}

bool ConfirmOptions(SettingsContext& settings, Prompts& prompts,
                    const OptionsDialogValues& values) {
    // Checked before anything changes, so that a Cancel afterwards leaves all as it was.
    if (automationLacksProfile(values)) {
        prompts.message("Execute Backup on Startup",
                        "You have enabled Automation (execution of a backup job), but you did "
                        "not specify a profile. Please select a backup profile.",
                        PromptButtons::Ok, PromptIcon::Information);
        return false;
    }
    settings.options = optionsFromDialog(settings.options, values);
    UpdateColors(settings.options, settings.view);
    SettingsStore& settingsStore = settings.platform.settingsStore;
    store(settingsStore, SettingsStoreKeys::NoURLupdate,
          values.automaticUpdateCheck ? "No" : "Yes");
    PutInRegistry(settingsStore, settings.platform.environment);
    return true;
}

void PutInRegistry(SettingsStore& settingsStore, const Environment& environment) {
    store(settingsStore, SettingsStoreKeys::Path, environment.programFolder);
    store(settingsStore, SettingsStoreKeys::Version,
          std::to_string(thisVersion.major) + "." + std::to_string(thisVersion.minor) + "." +
              std::to_string(thisVersion.revision));
    store(settingsStore, SettingsStoreKeys::EXE, programFileName);
}

} // namespace tidecopy
