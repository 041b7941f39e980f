#include "app/HelpActions.h"

#include "platform/Environment.h"
#include "platform/PathStyle.h"
#include "platform/Shell.h"
#include "widgets/Commands.h"

#include <QAction>

namespace tidecopy {

HelpActions::HelpActions(Shell& shell, const Environment& environment, QObject* parent)
    : QObject(parent)
    , m_shell(shell)
    , m_environment(environment)
    , m_manual(makeCommand(this, "Manual"))
    , m_about(makeCommand(this, "About", false))
    , m_systemInfo(makeCommand(this, "System Info", false)) {
    connect(m_manual, &QAction::triggered, this, &HelpActions::openManual);
}

void HelpActions::openManual() {
    // A missing manual or viewer is not reported.
    m_shell.openDocument(PathStyle::native().join(m_environment.resourceFolder, "Manual.pdf"));
}

} // namespace tidecopy
