#pragma once

#include "config/SettingsView.h"

namespace tidecopy::cli {

// The command line has no window: loading a profile sets the state and nothing else.
class CliSettingsView : public SettingsView {
public:
    void setLogMaxLength(std::int32_t) override {}
    void unlockLog() override {}
    TwipsSize screenSize() override { return {}; }
    TwipsSize windowSize() override { return {}; }
    void moveWindow(std::int32_t, std::int32_t) override {}
    void setBackgroundColor(PaneControl, std::int32_t) override {}
    std::error_code selectHistoryEntry(PaneSide, int) override { return {}; }
    std::error_code setFolder(PaneSide, const std::string&) override { return {}; }
    void setDestinationDrive(const std::string&) override {}
};

} // namespace tidecopy::cli
