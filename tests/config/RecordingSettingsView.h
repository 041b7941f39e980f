#pragma once

#include "config/MainState.h"
#include "config/SettingsView.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tidecopy::test {

// A SettingsView that records what the loader did to the window, one text per call, and
// answers with planted failures.
class RecordingSettingsView : public SettingsView {
public:
    std::vector<std::string> events;
    TwipsSize screen{28800, 16200};
    TwipsSize window{12000, 9000};
    std::map<Pane, std::error_code> historyFailures;
    std::map<Pane, std::error_code> folderFailures;
    // Runs before a folder change answers, as the pane handlers would.
    std::function<void(Pane)> onSetFolder;

    void setLogMaxLength(std::int32_t length) override {
        events.push_back("log limit " + std::to_string(length));
    }
    void unlockLog() override { events.push_back("log unlocked"); }
    TwipsSize screenSize() override { return screen; }
    TwipsSize windowSize() override { return window; }
    void moveWindow(std::int32_t left, std::int32_t top) override {
        events.push_back("move " + std::to_string(left) + " " + std::to_string(top));
    }
    void setBackgroundColor(PaneControl control, std::int32_t color) override {
        events.push_back("color " + controlName(control) + " " + std::to_string(color));
    }
    std::error_code selectHistoryEntry(Pane side, int position) override {
        events.push_back("select " + sideName(side) + " " + std::to_string(position));
        return historyFailures[side];
    }
    std::error_code setFolder(Pane side, const std::string& folder) override {
        events.push_back("folder " + sideName(side) + " " + folder);
        if (onSetFolder)
            onSetFolder(side);
        return folderFailures[side];
    }
    void setDestinationDrive(const std::string& drive) override {
        events.push_back("drive2 " + drive);
    }

    // The recorded events that start with prefix.
    std::vector<std::string> eventsStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& event : events)
            if (event.starts_with(prefix))
                found.push_back(event);
        return found;
    }

private:
    static std::string sideName(Pane side) {
        return side == Pane::Source ? "source" : "destination";
    }
    static std::string controlName(PaneControl control) {
        static const char* const names[] = {"cmbSourceHistory",
                                            "cmbTargetHistory",
                                            "Drive1",
                                            "Dir1",
                                            "File1",
                                            "Drive2",
                                            "Dir2",
                                            "File2"};
        return names[static_cast<int>(control)];
    }
};

} // namespace tidecopy::test
