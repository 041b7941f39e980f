#include "config/Automation.h"

#include "config/LoadINI.h"

namespace tidecopy {

bool LoadAutomationProfile(SettingsContext& settings) {
    if (settings.options.chkExecute == 0)
        return false;
    LoadINI(settings, settings.style.join(settings.platform.environment.profilesFolder(),
                                          settings.options.AutoProfile));
    return true;
}

void useUpOneTimeAutomation(OptionSet& options) {
    if (options.chkOnlyonce != 0)
        options.chkExecute = 0;
}

} // namespace tidecopy
