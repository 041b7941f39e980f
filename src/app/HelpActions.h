#pragma once

#include <QObject>

class QAction;

namespace tidecopy {

class Shell;
struct Environment;

// The window's help commands: the manual (cmdHelp), the about box (cmdAbout) and the
// system information (cmdSysInfo). The last two come with their own issue: present and
// disabled.
class HelpActions : public QObject {
    Q_OBJECT
public:
    HelpActions(Shell& shell, const Environment& environment, QObject* parent);

    QAction* manual() const { return m_manual; }
    QAction* about() const { return m_about; }
    QAction* systemInfo() const { return m_systemInfo; }

private:
    void openManual();

    Shell& m_shell;
    const Environment& m_environment;
    QAction* m_manual;
    QAction* m_about;
    QAction* m_systemInfo;
};

} // namespace tidecopy
