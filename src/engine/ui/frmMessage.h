#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace tidecopy {

class OwnerDrawnButton;

// The countdown before an after-backup action: nine seconds in which Stop cancels it.
// Shown modally by the main window, its owner.
class frmMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmMessage(QWidget* owner);

    // Shows the dialog until the countdown ends or the user stops it; true when stopped.
    bool countdownStopped();

    // One tick of Timer1.
    void Timer1_Timer();

protected:
    // Closing the dialog otherwise than by the countdown counts as Stop: nothing is shut
    // down or closed after the user dismissed the warning.
    void reject() override;

private:
    void stop();

    QLabel* m_Label1;
    QLabel* m_Label2;
    OwnerDrawnButton* m_qdButtons_H1;
    QTimer* m_Timer1;
    int m_n = 0;
    bool m_stopped = false;
};

} // namespace tidecopy
