#pragma once

#include <chrono>
#include <string>

namespace tidecopy {

// Controls a run enables and disables while it works.
enum class HostControl {
    Cancel,           // cmdCancel
    BackupAndPreview, // cmdBackItUp and cmdPreview
    ProfileButtons,   // cmdSaveOpen(0) and cmdSaveOpen(1)
    Frames,           // frmSource, frmTarget and frmOptions
};

enum class RunPane { Dir1, Dir2, File1, File2 };
enum class SoundWait { Synchronous, Asynchronous };

// Everything a backup run does to its front end besides the log and the questions.
// The window implements it (marshalling each call to its own thread), the command line
// implements it on the terminal, tests record the calls. Every call comes from the
// thread running the backup.
class RunHost {
public:
    virtual ~RunHost() = default;

    virtual void setBusyPointer(bool busy) = 0;
    virtual void setControlEnabled(HostControl control, bool enabled) = 0;
    // tmrAni1 and imgView1: the animation runs while preparing and until the first file.
    virtual void setAnimationRunning(bool running) = 0;
    virtual void setViewCaption(const std::string& text) = 0;  // lblView1
    virtual void setProgressText(const std::string& text) = 0; // lblPercent
    // picPercent's scale and imgPercent's width within it.
    virtual void setProgressScale(long long scaleWidth) = 0;
    virtual void setProgressValue(long long value) = 0;
    // Called with each update of the percentage and the estimate; the texts above stay.
    virtual void progressChanged(int percent, std::chrono::seconds remaining) = 0;
    virtual void scrollLogToEnd() = 0;
    virtual void refreshPane(RunPane pane) = 0;
    virtual void setFreeSpaceText(const std::string& text) = 0; // lblFreeSpace
    virtual void updateTotalFileCounts() = 0;                   // lblTotalFiles
    // fileName is one of "s0.wav".."s3.wav" in the resource folder.
    virtual void playSound(const std::string& fileName, SoundWait wait) = 0;
    // Lets the front end handle what is pending (a no-op where the run has its own thread).
    virtual void processEvents() = 0;
    // The pause after the listing, only there for the animation; may return at once.
    virtual void pause(std::chrono::milliseconds duration) = 0;
    // Shows the countdown before an after-backup action; true when the user stopped it.
    virtual bool countdownStopped() = 0;
    // Ends the program with its closing steps (settings written, daily log saved).
    virtual void closeProgram() = 0;
};

} // namespace tidecopy
