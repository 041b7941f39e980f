#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "app/QtBrowser.h"
#include "app/QtConnectivity.h"
#include "app/QtDisplayFormats.h"
#include "app/QtDownloader.h"
#include "app/QtPrompts.h"
#include "app/QtSound.h"
#include "platform/SystemPlatform.h"
#include "platform/TerminationSignal.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>

// Wires the system's services to the main window and runs it.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tidecopy");
    // Ties the windows to the desktop entry (the Wayland app id) and gives them the icon.
    QGuiApplication::setDesktopFileName(TIDECOPY_APP_ID);
    QApplication::setWindowIcon(tidecopy::programIcon());

    const std::unique_ptr<tidecopy::SystemPlatform> system = tidecopy::makeSystemPlatform();
    tidecopy::QtSound sound;
    tidecopy::Platform platform = system->platform().withSound(sound);
    tidecopy::QtPrompts prompts;
    tidecopy::QtConnectivity connectivity;
    tidecopy::QtDownloader downloader;
    tidecopy::QtBrowser browser;
    tidecopy::MainWindow window(platform,
                                {prompts,
                                 tidecopy::systemDisplayFormats(),
                                 tidecopy::RunPauses::Real,
                                 {connectivity, downloader, browser}},
                                QDir::currentPath().toStdString());
    prompts.setOwner(&window);

    // A request to end (SIGTERM, Ctrl+C) closes the window the ordinary way.
    if (const int requests = tidecopy::watchTerminationRequests(); requests >= 0) {
        auto* notifier = new QSocketNotifier(requests, QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, requests] {
            tidecopy::clearTerminationRequests(requests);
            window.close();
        });
    }

    window.Form_Load();
    return QApplication::exec();
}
