#include "log/ui/LogPanel.h"

#include "log/ui/LogActions.h"
#include "log/ui/LogView.h"
#include "widgets/ClickableImage.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>

namespace tidecopy {

LogPanel::LogPanel(ActivityLog& log, LogActions& actions, QWidget* parent)
    : QGroupBox(parent)
    , m_view(new LogView(log, this))
    , m_actions(actions) {
    nameControl(this, "frmLog", tr("Activity log"));
    setTitle(accessibleName());
    auto* menuIcon = new ClickableImage("Image11", tr("Log menu"),
                                        style()->standardIcon(QStyle::SP_ArrowDown), this);
    connect(menuIcon, &ClickableImage::clicked, &actions,
            [&actions, menuIcon] { actions.popUpMenu(menuIcon->menuPosition()); });
    auto* expandIcon =
        new ClickableImage("imgExpand", actions.expand()->text(),
                           style()->standardIcon(QStyle::SP_TitleBarMaxButton), this);
    connect(expandIcon, &ClickableImage::clicked, actions.expand(), &QAction::trigger);

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
    buttons->addWidget(expandIcon);
    buttons->addWidget(menuIcon);
    // Tab follows the drawing: the buttons, the two icons, then the log below them.
    orderTabs({lastButton, expandIcon, menuIcon, m_view});

    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &LogPanel::showContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
}

void LogPanel::setCaption(const QString& caption) {
    m_caption = caption;
    // The product's blanks make room in its frame; here the name follows the title.
    const QString shown = tr("Activity log") + caption.trimmed().prepend(' ');
    setTitle(shown.trimmed());
    setAccessibleName(title());
}

void LogPanel::mousePressEvent(QMouseEvent* event) {
    QGroupBox::mousePressEvent(event);
    emit framePressed();
}

void LogPanel::showContextMenu(const QPoint& at) {
    QMenu* menu = m_view->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    for (QAction* action : m_actions.menu()->actions())
        if (!action->isSeparator() && action != m_actions.exitMenu())
            menu->addAction(action);
    menu->popup(m_view->viewport()->mapToGlobal(at));
}

} // namespace tidecopy
