#pragma once

#include "config/SettingsView.h"
#include "log/ActivityLog.h"

#include <algorithm>

namespace tidecopy::cli {

// The command line has no window: loading a profile sets the state and, when a run's log
// is given, its length limit, as the window's log gets it.
class CliSettingsView : public SettingsView {
public:
    explicit CliSettingsView(ActivityLog* log = nullptr)
        : m_log(log) {}

    void setLogMaxLength(std::int32_t length) override {
        if (m_log)
            m_log->setMaxLength(static_cast<std::size_t>(std::max(length, 0)));
    }
    void unlockLog() override {}
    TwipsSize screenSize() override { return {}; }
    TwipsSize windowSize() override { return {}; }
    void moveWindow(std::int32_t, std::int32_t) override {}
    void setBackgroundColor(PaneControl, std::int32_t) override {}
    std::error_code selectHistoryEntry(Pane, int) override { return {}; }
    std::error_code setFolder(Pane, const std::string&) override { return {}; }
    void setDestinationDrive(const std::string&) override {}

private:
    ActivityLog* m_log;
};

} // namespace tidecopy::cli
