#include "config/MainWindowClose.h"

#include "config/SaveINI.h"
#include "log/DailyLog.h"

namespace tidecopy {

void Form_Unload(SettingsContext& context, const Clock& clock, std::string_view logText) {
    SaveINI(context);
    SaveDailyLog(context.fs, context.style, clock, context.environment.logsFolder(),
                 context.options.chkLog != 0, logText);
}

} // namespace tidecopy
