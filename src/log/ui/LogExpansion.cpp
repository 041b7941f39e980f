#include "log/ui/LogExpansion.h"

#include "log/ui/LogPanel.h"
#include "log/ui/LogView.h"

#include <QBoxLayout>
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
    if (m_expanded)
        releaseEmptyRows();
    else
        restoreRowStretches();
    setPointSize(m_expanded ? expandedPointSize : restoredPointSize);
    m_panel.view()->ensureCursorVisible();
}

void LogExpansion::releaseEmptyRows() {
    auto* rows = qobject_cast<QBoxLayout*>(m_panel.parentWidget()->layout());
    if (!rows)
        return;
    for (int index = 0; index < rows->count(); ++index)
        if (rows->itemAt(index)->layout() && rows->itemAt(index)->isEmpty() &&
            rows->stretch(index) != 0) {
            m_releasedRows.emplace_back(index, rows->stretch(index));
            rows->setStretch(index, 0);
        }
}

void LogExpansion::restoreRowStretches() {
    auto* rows = qobject_cast<QBoxLayout*>(m_panel.parentWidget()->layout());
    for (const auto& [index, stretch] : m_releasedRows)
        if (rows && index < rows->count())
            rows->setStretch(index, stretch);
    m_releasedRows.clear();
}

void LogExpansion::setPointSize(int points) {
    QFont font = m_panel.view()->font();
    font.setPointSize(points);
    m_panel.view()->setFont(font);
}

} // namespace tidecopy
