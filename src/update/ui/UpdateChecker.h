#pragma once

#include "update/UpdateCheck.h"

#include <QObject>

class QWidget;

namespace tidecopy {

class UpdateWaitWindow;

// The window's update checks: the automatic one at start-up, with frmUpdateWait shown
// while it waits for the web site, and the manual ones a user starts (the about box, the
// options dialog's "Check Now"). One check runs at a time; closing the window aborts one
// that is still waiting.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    UpdateChecker(UpdateCheckServices services, UpdateCheckParameters parameters, QWidget* window);

    void checkAtStartUp();
    // A manual check; done is called when it ends, unless the window closes first.
    void checkNow(UpdateCheck::Finished done = [](UpdateCheckEnd) {});
    // The about box's "Check for updates".
    void checkFromAboutBox();
    void abort();

private:
    UpdateCheck m_check;
    UpdateWaitWindow* m_wait;
};

} // namespace tidecopy
