#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace tidecopy {

class Browser;
class Prompts;
class UpdateChecker;
struct Platform;

// The window's help commands: the manual (cmdHelp), the about box (cmdAbout, whose
// "Check for updates" is a manual update check) and the system information (cmdSysInfo).
class HelpActions : public QObject {
    Q_OBJECT
public:
    HelpActions(Platform& platform, Prompts& prompts, Browser& browser, UpdateChecker& updates,
                QWidget* window);

    QAction* manual() const { return m_manual; }
    QAction* about() const { return m_about; }
    QAction* systemInfo() const { return m_systemInfo; }

private:
    void openManual();
    void showAbout();
    void startSystemInformation();

    Platform& m_platform;
    Prompts& m_prompts;
    Browser& m_browser;
    UpdateChecker& m_updates;
    QWidget* m_window;
    QAction* m_manual;
    QAction* m_about;
    QAction* m_systemInfo;
};

} // namespace tidecopy
