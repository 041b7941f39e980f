#pragma once

#include "engine/RunHost.h"

#include <functional>
#include <string>
#include <vector>

namespace tidecopy::test {

// A RunHost that writes down every call as a short text ("enable Cancel", "sound s1.wav
// sync", ...) and lets a test act at chosen moments (a Cancel press, a file changed
// behind the run's back).
class RecordingRunHost : public RunHost {
public:
    void setBusyPointer(bool busy) override;
    void setControlEnabled(HostControl control, bool enabled) override;
    void setAnimationRunning(bool running) override;
    void setViewCaption(const std::string& text) override;
    void setProgressText(const std::string& text) override;
    void setProgressScale(long long scaleWidth) override;
    void setProgressValue(long long value) override;
    void progressChanged(int percent, std::chrono::seconds remaining) override;
    void scrollLogToEnd() override {}
    void refreshPane(RunPane pane) override;
    void setFreeSpaceText(const std::string& text) override;
    void updateTotalFileCounts() override;
    void playSound(const std::string& fileName, SoundWait wait) override;
    void processEvents() override;
    void pause(std::chrono::milliseconds duration) override;
    bool countdownStopped() override;
    void closeProgram() override;

    // The recorded calls that start with prefix, in order.
    std::vector<std::string> eventsStartingWith(const std::string& prefix) const;

    std::vector<std::string> events;
    std::vector<std::string> progressTexts;
    std::vector<int> percentages;
    bool stopCountdown = false;
    std::function<void()> onProcessEvents;
    std::function<void(const std::string&)> onViewCaption;
};

} // namespace tidecopy::test
