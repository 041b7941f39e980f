#include "widgets/MenuCommands.h"

#include <QMenu>
#include <QWidget>

namespace tidecopy {

MenuCommands::MenuCommands(QWidget* window)
    : QObject(window) {}

void MenuCommands::popUpMenu(const QPoint& at) {
    m_menu->popup(at);
}

} // namespace tidecopy
