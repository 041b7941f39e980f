#pragma once

#include "engine/RunHost.h"

#include <functional>
#include <string>
#include <vector>

namespace tidecopy::test {

// A RunHost that writes down what a window would do as a short text ("enable Cancel",
// "sound s1.wav sync", "refresh Dir2", ...): each phase as the display changes it names,
// in a fixed order, the progress bar's value when it moves, the progress texts and
// percentages. A test can act when a caption shows.
class RecordingRunHost : public RunHost {
public:
    void phaseChanged(RunPhase phase, RunKind kind) override;
    void progressChanged(const RunProgress& progress) override;
    void paneChanged(Pane pane) override;
    void reported(const RunReport& report) override;
    void playSound(const std::string& fileName, SoundWait wait) override;
    bool countdownStopped() override;
    void closeProgram() override;

    // The recorded calls that start with prefix, in order.
    std::vector<std::string> eventsStartingWith(const std::string& prefix) const;

    std::vector<std::string> events;
    std::vector<std::string> progressTexts;
    std::vector<int> percentages;
    bool stopCountdown = false;
    std::function<void(const std::string&)> onViewCaption;
    std::function<void(const RunProgress&)> onProgress; // before its text is recorded

private:
    void recordBarValue(std::size_t value);
    std::size_t m_barValue = 0;
};

} // namespace tidecopy::test
