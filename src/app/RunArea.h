#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QTimer;

namespace tidecopy {

class OwnerDrawnButton;

// The run and progress area: Copy The Files, Preview and Cancel, the progress text and
// bar, the animation, the profile buttons and the profile name, About, System Info,
// Manual and the clock. It shows what it is told and reports the presses; the window
// decides.
class RunArea : public QWidget {
    Q_OBJECT
public:
    explicit RunArea(QWidget* parent = nullptr);

    // lblPercent empty and imgPercent of width 0.
    void clearProgress();
    // picPercent's scale and imgPercent's width within it.
    void setProgressScale(long long scale);
    void setProgressValue(long long value);
    void setProgressText(const QString& text); // lblPercent
    void setViewCaption(const QString& text);  // lblView1
    void setProfileName(const QString& text);  // lblProfile
    void setClockText(const QString& text);

    void setBackupAndPreviewEnabled(bool enabled);
    void setCancelEnabled(bool enabled);
    void setProfileButtonsEnabled(bool enabled);
    // tmrAni1: running, it shows imgView1 and the next frame on each tick; stopped, it
    // hides imgView1.
    void setAnimationRunning(bool running);

    OwnerDrawnButton* cmdHelp() const { return m_cmdHelp; }

signals:
    void manualWanted();
    void backupPressed();      // cmdBackItUp
    void previewPressed();     // cmdPreview
    void cancelPressed();      // cmdCancel
    void openProfilePressed(); // cmdSaveOpen(0)
    void saveProfilePressed(); // cmdSaveOpen(1)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OwnerDrawnButton* makeButton(const QString& name, const QString& caption, bool enabled);
    void showNextFrame();
    void showProgress();

    OwnerDrawnButton* m_cmdBackItUp;
    OwnerDrawnButton* m_cmdPreview;
    OwnerDrawnButton* m_cmdCancel;
    OwnerDrawnButton* m_cmdOpenProfile;
    OwnerDrawnButton* m_cmdSaveProfile;
    OwnerDrawnButton* m_cmdAbout;
    OwnerDrawnButton* m_cmdSysInfo;
    OwnerDrawnButton* m_cmdHelp;
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
