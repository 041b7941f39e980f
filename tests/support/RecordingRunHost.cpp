#include "support/RecordingRunHost.h"

namespace tidecopy::test {

namespace {

std::string enabledText(bool enabled, const char* what) {
    return std::string(enabled ? "enable " : "disable ") + what;
}

} // namespace

void RecordingRunHost::phaseChanged(RunPhase phase, RunKind kind) {
    const PhaseDisplay display = displayOf(phase, kind);
    if (display.busy)
        events.push_back(*display.busy ? "busy on" : "busy off");
    if (display.cancelEnabled)
        events.push_back(enabledText(*display.cancelEnabled, "Cancel"));
    if (display.startEnabled)
        events.push_back(enabledText(*display.startEnabled, "BackupAndPreview"));
    if (display.animation)
        events.push_back(*display.animation ? "animation on" : "animation off");
    if (display.progressCleared)
        recordBarValue(0);
    if (display.profilesEnabled)
        events.push_back(enabledText(*display.profilesEnabled, "ProfileButtons"));
    if (display.jobEnabled)
        events.push_back(enabledText(*display.jobEnabled, "Frames"));
    if (display.caption) {
        events.push_back("view: " + *display.caption);
        if (onViewCaption)
            onViewCaption(*display.caption);
    }
}

void RecordingRunHost::recordBarValue(std::size_t value) {
    m_barValue = value;
    events.push_back("value " + std::to_string(value));
}

void RecordingRunHost::progressChanged(const RunProgress& progress) {
    const std::size_t value = progress.complete ? progress.filesListed + 1 : progress.fileNumber;
    if (value != m_barValue)
        recordBarValue(value);
    if (onProgress)
        onProgress(progress);
    progressTexts.push_back(progress.text);
    if (progress.percent)
        percentages.push_back(*progress.percent);
}

void RecordingRunHost::paneChanged(Pane pane) {
    events.push_back(pane == Pane::Source ? "refresh Dir1" : "refresh Dir2");
}

void RecordingRunHost::reported(const RunReport& report) {
    events.push_back("free space: " + report.destinationFreeSpace);
}

void RecordingRunHost::playSound(const std::string& fileName, SoundWait wait) {
    events.push_back("sound " + fileName + (wait == SoundWait::Synchronous ? " sync" : " async"));
}

bool RecordingRunHost::countdownStopped() {
    events.push_back("countdown");
    return stopCountdown;
}

void RecordingRunHost::closeProgram() {
    events.push_back("close program");
}

std::vector<std::string> RecordingRunHost::eventsStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& event : events)
        if (event.starts_with(prefix))
            matching.push_back(event);
    return matching;
}

} // namespace tidecopy::test
