#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace tidecopy {

class OwnerDrawnButton;

// The countdown before an after-backup action (frmMessage): nine seconds in which Stop
// cancels it. Shown modally by the main window, its owner.
class CountdownDialog : public QDialog {
    Q_OBJECT
public:
    explicit CountdownDialog(QWidget* owner);

    // Shows the dialog until the countdown ends or the user stops it; true when stopped.
    bool countdownStopped();

    // One tick of its timer (Timer1): one second less.
    void tick();

protected:
    // Closing the dialog otherwise than by the countdown counts as Stop: nothing is shut
    // down or closed after the user dismissed the warning.
    void reject() override;

private:
    void stop();

    QLabel* m_message;     // Label1
    QLabel* m_secondsLeft; // Label2
    OwnerDrawnButton* m_stop;
    QTimer* m_timer;
    int m_ticks = 0;
    bool m_stopped = false;
};

} // namespace tidecopy
