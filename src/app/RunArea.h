#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QTimer;

namespace tidecopy {

// The commands whose buttons the run area shows.
struct RunAreaCommands {
    QAction* backup;      // cmdBackItUp
    QAction* preview;     // cmdPreview
    QAction* cancel;      // cmdCancel, which acts on a completed click
    QAction* openProfile; // cmdSaveOpen(0)
    QAction* saveProfile; // cmdSaveOpen(1)
    QAction* about;       // cmdAbout
    QAction* systemInfo;  // cmdSysInfo
    QAction* manual;      // cmdHelp
};

// The run and progress area: the buttons of the run, profile and help commands, the
// progress text and bar, the animation, the profile name and the clock. It shows what it
// is told; its buttons follow their commands.
class RunArea : public QWidget {
    Q_OBJECT
public:
    explicit RunArea(const RunAreaCommands& commands, QWidget* parent = nullptr);

    // lblPercent empty and imgPercent of width 0.
    void clearProgress();
    // picPercent's scale and imgPercent's width within it.
    void setProgressScale(long long scale);
    void setProgressValue(long long value);
    void setProgressText(const QString& text); // lblPercent
    void setViewCaption(const QString& text);  // lblView1
    void setProfileName(const QString& text);  // lblProfile
    void setClockText(const QString& text);

    // tmrAni1: running, it shows imgView1 and the next frame on each tick; stopped, it
    // hides imgView1.
    void setAnimationRunning(bool running);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut(const RunAreaCommands& commands);
    void showNextFrame();
    void showProgress();

    QLabel* m_lblPercent;
    QFrame* m_picPercent;
    QFrame* m_imgPercent;
    QLabel* m_lblView1;
    QLabel* m_imgView1;
    QTimer* m_tmrAni1;
    QLabel* m_lblProfile;
    QLabel* m_lblclock;
    std::array<QPixmap, 5> m_imgani1;
    std::size_t m_frame = 0;
    long long m_progressScale = 0;
    long long m_progressValue = 0;
};

} // namespace tidecopy
