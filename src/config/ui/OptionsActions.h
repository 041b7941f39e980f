#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tidecopy {

// The options command ("Options and Settings...", also the button cmdPreserveOptions)
// and the options menu mnuOptionOption that shows it. The options dialog comes with its
// own issue: present and disabled.
class OptionsActions : public QObject {
    Q_OBJECT
public:
    explicit OptionsActions(QWidget* parent);

    QAction* optionsAndSettings() const { return m_optionsAndSettings; }
    QMenu* menu() const { return m_menu; }

    void popUpMenu(const QPoint& at);

private:
    QAction* m_optionsAndSettings;
    QMenu* m_menu;
};

} // namespace tidecopy
