#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace tidecopy {

class qdButtons_H;

// The run and progress area: Copy The Files, Preview and Cancel, the progress text and
// bar, the animation, the profile buttons and the profile name, About, System Info,
// Manual and the clock. The run's own wiring comes with its issue; until then its
// controls are present and disabled.
class RunArea : public QWidget {
    Q_OBJECT
public:
    explicit RunArea(QWidget* parent = nullptr);

    // lblPercent empty and imgPercent of width 0.
    void clearProgress();
    // imgPercent's width as a share of picPercent's.
    void setProgress(long long value, long long scale);
    void setClockText(const QString& text);

    qdButtons_H* cmdHelp() const { return m_cmdHelp; }

signals:
    void manualWanted();

private:
    qdButtons_H* makeButton(const QString& name, const QString& caption, bool enabled);

    qdButtons_H* m_cmdBackItUp;
    qdButtons_H* m_cmdPreview;
    qdButtons_H* m_cmdCancel;
    qdButtons_H* m_cmdOpenProfile;
    qdButtons_H* m_cmdSaveProfile;
    qdButtons_H* m_cmdAbout;
    qdButtons_H* m_cmdSysInfo;
    qdButtons_H* m_cmdHelp;
    QLabel* m_lblPercent;
    QFrame* m_picPercent;
    QFrame* m_imgPercent;
    QLabel* m_lblView1;
    QLabel* m_imgView1;
    QTimer* m_tmrAni1;
    QLabel* m_lblProfile;
    QLabel* m_lblclock;
};

} // namespace tidecopy
