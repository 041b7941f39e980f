#include "config/MainWindowClose.h"

#include "config/SaveINI.h"
#include "log/DailyLog.h"

namespace tidecopy {

void Form_Unload(SettingsContext& context, std::string_view logText) {
    SaveINI(context);
    const Platform& platform = context.platform;
    SaveDailyLog(platform.fs, context.style, platform.clock, platform.environment.logsFolder(),
                 context.options.chkLog != 0, logText);
}

} // namespace tidecopy
