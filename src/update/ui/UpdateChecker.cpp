#include "update/ui/UpdateChecker.h"

#include "update/ui/UpdateWaitWindow.h"

#include <QWidget>

namespace tidecopy {

UpdateChecker::UpdateChecker(UpdateCheckServices services, UpdateCheckParameters parameters,
                             QWidget* window)
    : QObject(window)
    , m_check(services, std::move(parameters))
    , m_wait(new UpdateWaitWindow(window)) {}

void UpdateChecker::checkAtStartUp() {
    m_check.CheckForUpdate(CheckMode::Automatic, [this](UpdateCheckEnd) { m_wait->close(); });
    // Only a check that waits for the web site has anything to show.
    if (m_check.running())
        m_wait->show();
}

void UpdateChecker::checkNow(UpdateCheck::Finished done) {
    m_check.CheckForUpdate(CheckMode::Manual, std::move(done));
}

void UpdateChecker::checkFromAboutBox() {
    m_check.checkOrOpenWebPage();
}

void UpdateChecker::abort() {
    m_check.abort();
    m_wait->close();
}

} // namespace tidecopy
