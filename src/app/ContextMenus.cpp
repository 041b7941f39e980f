#include "app/ContextMenus.h"

#include "widgets/ControlNaming.h"

#include <QMenu>
#include <initializer_list>

namespace tidecopy {

namespace {

struct Item {
    int number;
    const char* caption; // "-" for a separator
    bool enabled;
};

QMenu* makeMenu(QWidget* parent, const char* menuName, const char* itemArray,
                std::initializer_list<Item> items) {
    auto* menu = new QMenu(parent);
    nameControl(menu, QLatin1String(menuName), QLatin1String(menuName));
    for (const Item& item : items) {
        QAction* action = QLatin1String(item.caption) == QLatin1String("-")
                              ? menu->addSeparator()
                              : menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(elementName(itemArray, item.number));
        action->setData(item.number);
        action->setEnabled(item.enabled);
    }
    return menu;
}

} // namespace

QAction* menuItem(QMenu* menu, int number) {
    for (QAction* action : menu->actions())
        if (action->data().toInt() == number)
            return action;
    return nullptr;
}

QMenu* makeFileMenu(QWidget* parent) {
    return makeMenu(parent, "mnuFileOption", "mnuFileOptions",
                    {{10, "Properties", false},
                     {20, "-", true},
                     {25, "Copy", false},
                     {27, "Paste", false},
                     {29, "-", true},
                     {30, "Rename", false},
                     {40, "Delete", false},
                     {42, "Delete All Files", false},
                     {50, "-", true},
                     {60, "Open", false},
                     {70, "-", true},
                     {80, "Find...", false},
                     {90, "Run Explorer", false},
                     {999, "-", true},
                     {1000, "Exit menu", true}});
}

QMenu* makeFolderMenu(QWidget* parent) {
    return makeMenu(parent, "mnuFolderOption", "mnuFolderOptions",
                    {{10, "Properties", false},
                     {20, "-", true},
                     {27, "Paste", false},
                     {30, "Rename", false},
                     {40, "New", false},
                     {50, "Delete", false},
                     {60, "-", true},
                     {70, "Find...", false},
                     {80, "Run Explorer", false},
                     {999, "-", true},
                     {1000, "Exit menu", true}});
}

QMenu* makeDriveMenu(QWidget* parent) {
    return makeMenu(parent, "mnuDriveOption", "mnuDriveOptions",
                    {{10, "Properties and Settings", false},
                     {20, "-", true},
                     {30, "Disk Cleanup Utility", false},
                     {40, "Defrag", false},
                     {50, "Disk Managment", false},
                     {55, "Calculate Free Space", false},
                     {58, "-", true},
                     {60, "Change Volume Label", false},
                     {70, "-", true},
                     {80, "Format...", false},
                     {90, "-", true},
                     {100, "Find...", false},
                     {110, "Run Explorer", false}});
}

QMenu* makeLogMenu(QWidget* parent) {
    return makeMenu(parent, "mnuLogOption", "mnuLogOptions",
                    {{10, "Open...", false},
                     {20, "Save...", false},
                     {30, "Print", false},
                     {35, "-", true},
                     {40, "New", false},
                     {45, "-", true},
                     {50, "Find...", false},
                     {80, "-", true},
                     {90, "Expand/Restore Log View", false},
                     {999, "-", true},
                     {1000, "Exit Menu", true}});
}

QMenu* makeOptionsMenu(QWidget* parent) {
    return makeMenu(
        parent, "mnuOptionOption", "mnuOptionOptions",
        {{10, "Options and Settings...", false}, {20, "-", true}, {30, "Exit Menu", true}});
}

QMenu* makeHistoryMenu(QWidget* parent) {
    return makeMenu(parent, "mnuHistoryOption", "mnuHistoryOptions",
                    {{10, "Clear History", true},
                     {20, "Remove Selected Item from History", true},
                     {999, "-", true},
                     {1000, "Exit menu", true}});
}

} // namespace tidecopy
