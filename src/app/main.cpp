#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "app/QtDisplayFormats.h"
#include "app/QtPrompts.h"
#include "app/QtSound.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/TerminationSignal.h"
#include "platform/UserFolders.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPower.h"
#include "platform/posix/PosixShell.h"
#include "platform/posix/PosixVolumes.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>

// Wires the platform services to the main window and runs it.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tidecopy");
    // Ties the windows to the desktop entry (the Wayland app id) and gives them the icon.
    QGuiApplication::setDesktopFileName(TIDECOPY_APP_ID);
    QApplication::setWindowIcon(tidecopy::programIcon());

    tidecopy::PosixFileSystem fs;
    tidecopy::PosixVolumes volumes;
    tidecopy::PosixShell shell;
    tidecopy::SystemClock clock;
    tidecopy::QtPrompts prompts;
    tidecopy::PosixPower power;
    tidecopy::QtSound sound;
    const std::string configHome = tidecopy::userConfigHome();
    const tidecopy::Environment environment =
        tidecopy::makeEnvironment(fs, tidecopy::executableFolder(), configHome);
    const std::string home = tidecopy::userHomeFolder();
    tidecopy::MainWindowServices services{fs,
                                          volumes,
                                          shell,
                                          prompts,
                                          clock,
                                          environment,
                                          [&](tidecopy::UserFolder folder) {
                                              return tidecopy::lookUpUserFolder(fs, configHome,
                                                                                home, folder);
                                          },
                                          tidecopy::systemDisplayFormats(),
                                          power,
                                          sound};

    tidecopy::MainWindow form(services, QDir::currentPath().toStdString());
    prompts.setOwner(&form);

    // A request to end (SIGTERM, Ctrl+C) closes the window the ordinary way.
    if (const int requests = tidecopy::watchTerminationRequests(); requests >= 0) {
        auto* notifier = new QSocketNotifier(requests, QSocketNotifier::Read, &form);
        QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form, requests] {
            tidecopy::clearTerminationRequests(requests);
            form.close();
        });
    }

    form.Form_Load();
    return QApplication::exec();
}
