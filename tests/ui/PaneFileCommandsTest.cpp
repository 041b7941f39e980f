#include "MainWindowFixture.h"
#include "panes/Panes.h"
#include "widgets/Commands.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

namespace tidecopy {
namespace {

// The file menu, the Delete key and drops on the file lists of the real window; disk/start
// (a.txt, b.txt) is the source pane, disk/other (empty) the destination.
class PaneFileCommandsTest : public MainWindowFixture {
protected:
    std::unique_ptr<MainWindow> window() {
        auto window = loadedWindow();
        window->setFolder(Pane::Destination, temp / "disk/other");
        window->setFolder(Pane::Source, temp / "disk/start");
        return window;
    }
    // The lock of a pane job is let go once the job has ended and the panes show its work.
    void waitForPaneJob(MainWindow& window) {
        auto* pane = find<QWidget>(window, "frmSource");
        EXPECT_TRUE(QTest::qWaitFor([pane] { return pane->isEnabled(); }, 20000));
    }
    // A screen reader's press on a menu's item.
    static void pressAccessibly(QMenu* menu, const QString& item) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
        for (int child = 0; child < accessible->childCount(); ++child)
            if (accessible->child(child)->text(QAccessible::Name) == item)
                accessible->child(child)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
    }
    std::vector<int> enabledItems(QMenu* menu) {
        std::vector<int> numbers;
        for (QAction* item : menu->actions())
            if (!item->isSeparator() && item->isEnabled())
                numbers.push_back(item->data().toInt());
        return numbers;
    }
    // A drag that enters the list and is dropped there, as another program's: the action
    // the list took, Ignore when it refused.
    static Qt::DropAction dragAndDrop(QListView* list, Qt::DropActions offered,
                                      const QMimeData& data) {
        // Qt's drag manager only delivers to widgets that accept drops.
        if (!list->acceptDrops())
            return Qt::IgnoreAction;
        const QPoint at(5, 5);
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &enter);
        if (!enter.isAccepted())
            return Qt::IgnoreAction;
        QDropEvent drop(at, offered, &data, Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
    static QMimeData* files(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << (path.startsWith("http") ? QUrl(path) : QUrl::fromLocalFile(path));
        data->setUrls(urls);
        return data;
    }
};

TEST_F(PaneFileCommandsTest, TheFileMenuOpensByMouseAndKeyboardForItsPanesSelection) {
    auto w = window();
    auto* menu = find<QMenu>(*w, "mnuFileOption");
    auto* file1 = find<QListView>(*w, "File1");
    auto* file2 = find<QListView>(*w, "File2");

    QTest::mouseClick(file2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(w->panes().ActivePane(), Pane::Destination);
    EXPECT_EQ(enabledItems(menu), (std::vector<int>{80, 90, 1000}));
    menu->hide();

    file1->setFocus();
    QTest::keyClick(file1, Qt::Key_Menu);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(w->panes().ActivePane(), Pane::Source);
    EXPECT_EQ(enabledItems(menu), (std::vector<int>{10, 25, 27, 30, 40, 42, 60, 80, 90, 1000}));

    // A screen reader's press on Copy marks the selected file.
    pressAccessibly(menu, "Copy");
    EXPECT_EQ(w->panes().CopiedFile(), temp / "disk/start/a.txt");
    menu->hide();

    QTest::mouseClick(file2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(enabledItems(menu), (std::vector<int>{27, 80, 90, 1000}));
    menu->hide();
}

// The folder menu takes Rename and Delete from the pane it opens on (none at a drive's
// root), shows Paste only while a file is marked, and deletes through a job of the window.
TEST_F(PaneFileCommandsTest, TheFolderMenuActsOnThePaneItOpensOn) {
    auto w = window();
    w->options().chkLogUser = 1;
    auto* menu = find<QMenu>(*w, "mnuFolderOption");
    auto* dir1 = find<QListView>(*w, "Dir1");
    auto* dir2 = find<QListView>(*w, "Dir2");
    const auto pasteShown = [menu] {
        for (QAction* item : menu->actions())
            if (item->data().toInt() == 27)
                return item->isVisible();
        return false;
    };
    w->setFolder(Pane::Destination, temp / "disk");
    QTest::mouseClick(dir2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(enabledItems(menu), (std::vector<int>{10, 40, 70, 80, 1000}));
    EXPECT_FALSE(pasteShown());
    menu->hide();

    w->panes().setCopiedFile(temp / "disk/start/a.txt");
    dir1->setFocus();
    QTest::keyClick(dir1, Qt::Key_Menu);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(w->panes().ActivePane(), Pane::Source);
    EXPECT_EQ(enabledItems(menu), (std::vector<int>{10, 27, 30, 40, 50, 70, 80, 1000}));
    EXPECT_TRUE(pasteShown());

    // A screen reader's press on Delete.
    prompts.expectMessage("Delete Folder(s)!",
                          "Are you sure to delete '" + (temp / "disk/start") +
                              "' and the sub-folder?",
                          PromptButtons::YesNoCancel, PromptAnswer::Yes);
    prompts.expectMessage("Delete Folder", "Folder(s) deleted succesfully.", PromptButtons::Ok);
    pressAccessibly(menu, "Delete");
    menu->hide();
    waitForPaneJob(*w);
    EXPECT_FALSE(temp.exists("disk/start"));
    EXPECT_EQ(w->panes().pane(Pane::Source).folder, temp / "disk");
    EXPECT_TRUE(w->panes().CopiedFile().empty());
    EXPECT_EQ(w->log().text(),
              "User deleted  and the sub-folder :" + (temp / "disk/start") + "\r\n");
}

// The drive menu offers the tools the desktop has; Format... opens frmFormat, whose Format
// button waits for an option and hands the chosen device to the desktop's disk tool.
TEST_F(PaneFileCommandsTest, TheDriveMenuOpensTheFormatDialog) {
    auto w = window();
    w->options().chkLogUser = 1;
    disks.tools = {DiskTool::Format, DiskTool::DiskManagement};
    disks.present = {{"/dev/sda1", {"/"}, true, false, false},
                     {"/dev/sdb1", {"/media/stick"}, true, false, false}};
    auto* menu = find<QMenu>(*w, "mnuDriveOption");
    w->panes().setActiveDrive(Pane::Destination);
    menu->popup({0, 0});
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(enabledItems(menu), (std::vector<int>{10, 50, 55, 60, 80, 100, 110, 1000}));

    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "frmFormat");
        EXPECT_EQ(dialog->windowTitle(), "Format Drive");
        std::vector<QString> captions;
        std::vector<bool> enabled;
        for (int i = 0; i < 4; ++i) {
            auto* option = dialog->findChild<QRadioButton*>(QString("Option1(%1)").arg(i));
            captions.push_back(option->text());
            enabled.push_back(option->isEnabled());
            EXPECT_FALSE(option->isChecked());
        }
        EXPECT_EQ(captions, (std::vector<QString>{"Drive A:", "Drive B:", "DVD/CD ",
                                                  "Memory stick/card /dev/sdb1"}));
        EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, true}));
        auto* format = dialog->findChild<QWidget*>("qdButtons_H1");
        EXPECT_FALSE(format->isEnabled());
        auto* stick = dialog->findChild<QRadioButton*>("Option1(3)");
        stick->setFocus();
        QTest::keyClick(stick, Qt::Key_Space);
        EXPECT_TRUE(format->isEnabled());
        QTest::keyClick(format, Qt::Key_Space);
        checked = true;
    });
    for (QAction* item : menu->actions())
        if (item->data().toInt() == 80)
            item->trigger();
    menu->hide();
    EXPECT_TRUE(checked);
    waitForPaneJob(*w);
    EXPECT_EQ(disks.requests, (std::vector<std::string>{"start 3 /dev/sdb1"}));
    EXPECT_EQ(w->log().text(), "User formatted USB-device /dev/sdb1\r\n");
}

// The Delete key acts on the list it is pressed in, through the same question and job as
// the menu; the list keeps the keyboard and a neighbour is selected.
TEST_F(PaneFileCommandsTest, TheDeleteKeyDeletesTheSelectedFileOfItsList) {
    auto w = window();
    w->options().chkLogUser = 1;
    auto* file1 = find<QListView>(*w, "File1");
    auto* file2 = find<QListView>(*w, "File2");
    w->panes().setActivePane(Pane::Destination);

    file1->setFocus();
    prompts.expectMessage("Delete File", "Are you sure to delete a.txt?",
                          PromptButtons::YesNoCancel, PromptAnswer::Yes);
    QTest::keyClick(file1, Qt::Key_Delete);
    waitForPaneJob(*w);
    EXPECT_FALSE(temp.exists("disk/start/a.txt"));
    EXPECT_EQ(file1->model()->rowCount(), 1);
    EXPECT_EQ(file1->currentIndex().data().toString(), "b.txt");
    EXPECT_EQ(labelText(*w, "lblTotalFiles(0)"), "Total file count = 1");
    EXPECT_EQ(QApplication::focusWidget(), file1);
    EXPECT_EQ(w->log().text(), "User deleted file a.txt\r\n");

    file2->setFocus();
    prompts.expectMessage("", "Please select a file first.", PromptButtons::Ok);
    QTest::keyClick(file2, Qt::Key_Delete);
}

TEST_F(PaneFileCommandsTest, DropsAreTakenAsCopiesOfLocalFilesOnly) {
    auto w = window();
    auto* file2 = find<QListView>(*w, "File2");
    auto* file1 = find<QListView>(*w, "File1");
    EXPECT_TRUE(file1->model()->flags(file1->model()->index(0, 0)) & Qt::ItemIsDragEnabled)
        << "our own entries can be dragged";
    const QString a = QString::fromStdString(temp / "disk/start/a.txt");
    const QString b = QString::fromStdString(temp / "disk/start/b.txt");
    struct Case {
        Qt::DropActions offered;
        QStringList paths;
        Qt::DropAction taken;
    };
    const Case cases[] = {
        {Qt::CopyAction | Qt::MoveAction, {a}, Qt::CopyAction},
        {Qt::MoveAction, {a}, Qt::IgnoreAction},
        {Qt::CopyAction, {"https://example.org/a.txt"}, Qt::IgnoreAction},
        {Qt::CopyAction, {}, Qt::IgnoreAction},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QMimeData> data(files(c.paths));
        EXPECT_EQ(dragAndDrop(file2, c.offered, *data), c.taken) << c.paths.join(' ').toStdString();
    }
    waitForPaneJob(*w);
    EXPECT_EQ(temp.readFile("disk/other/a.txt"), std::string(3000, 'a'));
    EXPECT_EQ(w->log().text(), "") << "chkLogUser is off";

    w->options().chkLogUser = 1;
    prompts.expectMessage("Drag-Drop File Copy",
                          "File " + (temp / "disk/other/a.txt") +
                              " already exists.\r\nDo you want to overwrite the file?",
                          PromptButtons::YesNo, PromptAnswer::No);
    const std::unique_ptr<QMimeData> two(files({a, b}));
    EXPECT_EQ(dragAndDrop(file2, Qt::CopyAction, *two), Qt::CopyAction);
    waitForPaneJob(*w);
    EXPECT_EQ(w->log().text(), "User manually drag-drop file " + (temp / "disk/start/b.txt") +
                                   " to " + (temp / "disk/other/b.txt") + "\r\n");
    EXPECT_EQ(file2->model()->rowCount(), 2);
}

// While a copy runs the window is locked and Cancel stops it before the next file; then
// every control is given back as it was.
TEST_F(PaneFileCommandsTest, APaneJobLocksTheWindowUntilItEndsAndCancelStopsIt) {
    auto w = window();
    auto* cancel = find<QWidget>(*w, "cmdCancel");
    auto* backup = find<QWidget>(*w, "cmdBackItUp");
    auto* file2 = find<QListView>(*w, "File2");
    file2->setFocus();
    fs.closeGate("start/a.txt");
    GateOpener opener{fs};
    const std::unique_ptr<QMimeData> two(
        files({QString::fromStdString(temp / "disk/start/a.txt"),
               QString::fromStdString(temp / "disk/start/b.txt")}));
    dragAndDrop(file2, Qt::CopyAction, *two);

    ASSERT_TRUE(QTest::qWaitFor([this] { return fs.reached(); }, 20000));
    EXPECT_TRUE(cancel->isEnabled());
    EXPECT_FALSE(backup->isEnabled());
    EXPECT_FALSE(find<QWidget>(*w, "frmTarget")->isEnabled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    fs.openGate();
    waitForPaneJob(*w);
    EXPECT_FALSE(temp.exists("disk/other/b.txt"));
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_TRUE(backup->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), file2);
}

} // namespace
} // namespace tidecopy
