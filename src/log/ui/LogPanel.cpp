#include "log/ui/LogPanel.h"

#include "log/ui/LogView.h"
#include "widgets/ClickableImage.h"
#include "widgets/ControlNaming.h"
#include "widgets/button/qdButtons_H.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace tidecopy {

LogPanel::LogPanel(ActivityLog& log, QWidget* parent)
    : QGroupBox(parent)
    , m_view(new LogView(log, this))
    , m_menuIcon(new ClickableImage("Image11", tr("Log menu"),
                                    style()->standardIcon(QStyle::SP_ArrowDown), this)) {
    nameControl(this, "frmLog", tr("Activity log"));
    setTitle(accessibleName());
    connect(m_menuIcon, &ClickableImage::clicked, this,
            [this] { emit logMenuWanted(QCursor::pos()); });

    static constexpr const char* captions[] = {"Open Log", "Save Log", "Print Log", "New Log",
                                               "Search in log"};
    auto* commands = new QHBoxLayout;
    commands->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        auto* button = new qdButtons_H(this);
        button->setObjectName(elementName("cmdLogoption", i));
        button->setCaption(QLatin1String(captions[i]));
        button->setEnabledState(false);
        commands->addWidget(button);
        m_commands[static_cast<std::size_t>(i)] = button;
    }
    commands->addStretch(1);
    commands->addWidget(m_menuIcon);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(m_view, 1);
}

} // namespace tidecopy
