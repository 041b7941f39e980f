#include "log/ui/LogExpansion.h"

#include "log/ui/LogPanel.h"
#include "log/ui/LogView.h"

#include <QWidget>

namespace tidecopy {

LogExpansion::LogExpansion(LogPanel& panel, std::vector<QWidget*> coveredParts, QObject* parent)
    : QObject(parent)
    , m_panel(panel) {
    for (QWidget* part : coveredParts)
        m_coveredParts.emplace_back(part);
    setPointSize(restoredPointSize);
    connect(&panel, &LogPanel::framePressed, this, [this] {
        if (m_expanded)
            toggle();
    });
}

void LogExpansion::toggle() {
    m_expanded = !m_expanded;
    for (const QPointer<QWidget>& part : m_coveredParts)
        if (part)
            part->setVisible(!m_expanded);
    setPointSize(m_expanded ? expandedPointSize : restoredPointSize);
    m_panel.view()->ensureCursorVisible();
}

void LogExpansion::setPointSize(int points) {
    QFont font = m_panel.view()->font();
    font.setPointSize(points);
    m_panel.view()->setFont(font);
}

} // namespace tidecopy
