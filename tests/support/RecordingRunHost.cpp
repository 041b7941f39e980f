#include "support/RecordingRunHost.h"

namespace tidecopy::test {

namespace {

const char* nameOf(HostControl control) {
    switch (control) {
    case HostControl::Cancel:
        return "Cancel";
    case HostControl::BackupAndPreview:
        return "BackupAndPreview";
    case HostControl::ProfileButtons:
        return "ProfileButtons";
    case HostControl::Frames:
        return "Frames";
    }
    return "?";
}

const char* nameOf(RunPane pane) {
    switch (pane) {
    case RunPane::Dir1:
        return "Dir1";
    case RunPane::Dir2:
        return "Dir2";
    case RunPane::File1:
        return "File1";
    case RunPane::File2:
        return "File2";
    }
    return "?";
}

} // namespace

void RecordingRunHost::setBusyPointer(bool busy) {
    events.push_back(busy ? "busy on" : "busy off");
}

void RecordingRunHost::setControlEnabled(HostControl control, bool enabled) {
    events.push_back(std::string(enabled ? "enable " : "disable ") + nameOf(control));
}

void RecordingRunHost::setAnimationRunning(bool running) {
    events.push_back(running ? "animation on" : "animation off");
}

void RecordingRunHost::setViewCaption(const std::string& text) {
    events.push_back("view: " + text);
    if (onViewCaption)
        onViewCaption(text);
}

void RecordingRunHost::setProgressText(const std::string& text) {
    progressTexts.push_back(text);
}

void RecordingRunHost::setProgressScale(long long scaleWidth) {
    events.push_back("scale " + std::to_string(scaleWidth));
}

void RecordingRunHost::setProgressValue(long long value) {
    events.push_back("value " + std::to_string(value));
}

void RecordingRunHost::progressChanged(int percent, std::chrono::seconds) {
    percentages.push_back(percent);
}

void RecordingRunHost::refreshPane(RunPane pane) {
    events.push_back(std::string("refresh ") + nameOf(pane));
}

void RecordingRunHost::setFreeSpaceText(const std::string& text) {
    events.push_back("free space: " + text);
}

void RecordingRunHost::updateTotalFileCounts() {
    events.push_back("file counts");
}

void RecordingRunHost::playSound(const std::string& fileName, SoundWait wait) {
    events.push_back("sound " + fileName + (wait == SoundWait::Synchronous ? " sync" : " async"));
}

void RecordingRunHost::processEvents() {
    if (onProcessEvents)
        onProcessEvents();
}

void RecordingRunHost::pause(std::chrono::milliseconds duration) {
    events.push_back("pause " + std::to_string(duration.count()) + " ms");
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
