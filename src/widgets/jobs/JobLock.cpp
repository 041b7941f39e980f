#include "widgets/jobs/JobLock.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace tidecopy {

namespace {

template <typename Held>
void hold(Held& held, bool enabled) {
    if (held.item) {
        held.wasEnabled = held.item->isEnabled();
        held.item->setEnabled(enabled);
    }
}

template <typename Held>
void giveBack(const Held& held) {
    if (held.item)
        held.item->setEnabled(held.wasEnabled);
}

} // namespace

JobLock::JobLock(std::vector<QWidget*> controls, std::vector<QAction*> commands, QAction* cancel)
    : m_cancel{cancel} {
    for (QWidget* control : controls)
        m_controls.push_back({control});
    for (QAction* command : commands)
        m_commands.push_back({command});
}

void JobLock::lock() {
    m_focus = QApplication::focusWidget();
    for (auto& control : m_controls)
        hold(control, false);
    for (auto& command : m_commands)
        hold(command, false);
    hold(m_cancel, true);
}

void JobLock::unlock() {
    for (const auto& control : m_controls)
        giveBack(control);
    for (const auto& command : m_commands)
        giveBack(command);
    giveBack(m_cancel);
    if (m_focus && m_focus->isEnabled())
        m_focus->setFocus();
}

} // namespace tidecopy
