#pragma once

class QAction;
class QMenu;
class QWidget;

namespace tidecopy {

// The hidden menus the icons and lists pop up at the mouse. Items are named after their
// array and fixed number ("mnuFileOptions(40)"); commands of later issues are present
// and disabled, "Exit menu" only closes the menu.
QMenu* makeFileMenu(QWidget* parent);    // mnuFileOption
QMenu* makeFolderMenu(QWidget* parent);  // mnuFolderOption
QMenu* makeDriveMenu(QWidget* parent);   // mnuDriveOption
QMenu* makeLogMenu(QWidget* parent);     // mnuLogOption
QMenu* makeOptionsMenu(QWidget* parent); // mnuOptionOption
QMenu* makeHistoryMenu(QWidget* parent); // mnuHistoryOption: Clear (10) and Remove (20) work

// The item of a menu by its number; nullptr when there is none.
QAction* menuItem(QMenu* menu, int number);

} // namespace tidecopy
