#include "log/ui/LogPanel.h"

#include "log/ui/LogActions.h"
#include "log/ui/LogView.h"
#include "widgets/ClickableImage.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace tidecopy {

LogPanel::LogPanel(ActivityLog& log, LogActions& actions, QWidget* parent)
    : QGroupBox(parent)
    , m_view(new LogView(log, this)) {
    nameControl(this, "frmLog", tr("Activity log"));
    setTitle(accessibleName());
    auto* menuIcon = new ClickableImage("Image11", tr("Log menu"),
                                        style()->standardIcon(QStyle::SP_ArrowDown), this);
    connect(menuIcon, &ClickableImage::clicked, &actions,
            [&actions, menuIcon] { actions.popUpMenu(menuIcon->menuPosition()); });

    const std::pair<QAction*, const char*> commands[] = {{actions.open(), "Open Log"},
                                                         {actions.save(), "Save Log"},
                                                         {actions.print(), "Print Log"},
                                                         {actions.newLog(), "New Log"},
                                                         {actions.find(), "Search in log"}};
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    int index = 0;
    QWidget* lastButton = nullptr;
    for (const auto& [command, caption] : commands) {
        lastButton = makeCommandButton(command, elementName("cmdLogoption", index++), this,
                                       ButtonTrigger::Press, QLatin1String(caption));
        buttons->addWidget(lastButton);
    }
    buttons->addStretch(1);
    buttons->addWidget(menuIcon);
    // Tab follows the drawing: the buttons, the menu icon, then the log below them.
    orderTabs({lastButton, menuIcon, m_view});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
}

} // namespace tidecopy
