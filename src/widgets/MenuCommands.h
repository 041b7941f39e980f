#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tidecopy {

// A command handler whose commands a menu of the product shows: it owns its commands
// and the menu; the menu pops up where the picture that opens it was pressed.
class MenuCommands : public QObject {
    Q_OBJECT
public:
    QMenu* menu() const { return m_menu; }
    void popUpMenu(const QPoint& at);

protected:
    // The menu's parent is the window, whose handler this is.
    explicit MenuCommands(QWidget* window);
    void setMenu(QMenu* menu) { m_menu = menu; }

private:
    QMenu* m_menu = nullptr;
};

} // namespace tidecopy
