#include "app/HelpActions.h"

#include "platform/PathStyle.h"
#include "platform/Platform.h"
#include "update/ProductAddresses.h"
#include "update/SystemInformation.h"
#include "update/ui/AboutBox.h"
#include "update/ui/UpdateChecker.h"
#include "widgets/Commands.h"

#include <QAction>
#include <QStandardPaths>

namespace tidecopy {

HelpActions::HelpActions(Platform& platform, Prompts& prompts, Browser& browser,
                         UpdateChecker& updates, QWidget* window)
    : QObject(window)
    , m_platform(platform)
    , m_prompts(prompts)
    , m_browser(browser)
    , m_updates(updates)
    , m_window(window)
    , m_manual(makeCommand(this, "Manual"))
    , m_about(makeCommand(this, "About"))
    , m_systemInfo(makeCommand(this, "System Info")) {
    connect(m_manual, &QAction::triggered, this, &HelpActions::openManual);
    connect(m_about, &QAction::triggered, this, &HelpActions::showAbout);
    connect(m_systemInfo, &QAction::triggered, this, &HelpActions::startSystemInformation);
}

void HelpActions::openManual() {
    // A missing manual or viewer is not reported.
    m_platform.shell.openDocument(
        PathStyle::native().join(m_platform.environment.resourceFolder, "Manual.pdf"));
}

void HelpActions::showAbout() {
    AboutBox box(
        thisVersion,
        {ProductAddresses::webPage, ProductAddresses::supportPage, ProductAddresses::mailAddress},
        m_browser, m_window);
    connect(&box, &AboutBox::checkForUpdates, &m_updates, &UpdateChecker::checkFromAboutBox);
    box.exec();
}

void HelpActions::startSystemInformation() {
    StartSystemInformation(
        [](const std::string& name) {
            return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
        },
        m_platform.shell, m_prompts);
}

} // namespace tidecopy
