#pragma once

#include <QPointer>
#include <vector>

class QAction;
class QWidget;

namespace tidecopy {

// What the window holds still while a job of its panes runs: the controls and commands
// that would start other work are disabled and Cancel is enabled; unlocking gives each
// back the state it had, and the keyboard focus to the control that had it.
class JobLock {
public:
    JobLock() = default;
    JobLock(std::vector<QWidget*> controls, std::vector<QAction*> commands, QAction* cancel);

    void lock();
    void unlock();

private:
    template <typename Item>
    struct Held {
        QPointer<Item> item;
        bool wasEnabled = true;
    };

    std::vector<Held<QWidget>> m_controls;
    std::vector<Held<QAction>> m_commands;
    Held<QAction> m_cancel;
    QPointer<QWidget> m_focus;
};

} // namespace tidecopy
