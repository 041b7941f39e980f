#include "app/MainWindow.h"

#include "MainWindowFixture.h"
#include "app/ProgramIcon.h"
#include "config/FolderHistory.h"
#include "config/ui/HistoryActions.h"
#include "panes/Panes.h"
#include "update/ProductAddresses.h"
#include "widgets/Commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// The fixture lives in MainWindowFixture.h, shared with the run tests.
class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, FirstStartShowsTheDefaultsCentredOnTheStartFolder) {
    auto window = loadedWindow();
    EXPECT_EQ(window->state().Dir1, temp / "disk/start");
    EXPECT_EQ(window->state().Dir2, temp / "disk/start");
    EXPECT_TRUE(find<QCheckBox>(*window, "chkRelative")->isChecked());
    EXPECT_EQ(find<QComboBox>(*window, "cmbPattern")->count(), 3);
    EXPECT_EQ(find<QComboBox>(*window, "cmbPattern")->currentText(), "*.* [All Files]");
    EXPECT_EQ(labelText(*window, "lblTotalFiles(0)"), "Total file count = 2");
    EXPECT_EQ(labelText(*window, "lblTotalFiles(1)"), "Total file count = 2");
    EXPECT_EQ(labelText(*window, "lblFolderName(0)"), folderLabel(temp / "disk/start"));
    EXPECT_EQ(labelText(*window, "lblFreeSpace"),
              QString::fromStdString(temp / "disk") + " 2 Gb free of 8 Gb");
    EXPECT_EQ(labelText(*window, "lblDirSize"), "0Mb");
    EXPECT_TRUE(labelText(*window, "lblFileInfo").startsWith("a.txt T"));
    EXPECT_EQ(window->startUpPhase(), StartUpPhase::Done);
    // Centred as the window measured itself before it was shown (showing may still
    // change its frame by a few pixels); a window wider than the screen starts at its edge.
    const QRect screen = window->screen()->availableGeometry();
    const int centred = (screen.width() - window->frameGeometry().width()) / 2;
    EXPECT_NEAR(window->x(), screen.x() + std::max(centred, 0), 5);
}

TEST_F(MainWindowTest, RecallOnRestoresTheFoldersAndThePosition) {
    writeSettings(true);
    auto window = loadedWindow();
    EXPECT_EQ(window->state().Dir1, temp / "disk/other");
    EXPECT_EQ(window->state().Dir2, temp / "disk/start/sub");
    EXPECT_EQ(labelText(*window, "lblTotalFiles(1)"), "Total file count = 0");
    EXPECT_EQ(window->pos() - window->screen()->availableGeometry().topLeft(), QPoint(100, 200));
    EXPECT_EQ(find<QComboBox>(*window, "cmbSourceHistory")->count(), 1);
}

TEST_F(MainWindowTest, RecallOffKeepsTheStartFolders) {
    writeSettings(false);
    auto window = loadedWindow();
    EXPECT_EQ(window->state().Dir1, temp / "disk/start");
    EXPECT_EQ(window->state().Dir2, temp / "disk/start");
}

TEST_F(MainWindowTest, ClickingAFolderUpdatesOnlyThatPanesLabels) {
    auto window = loadedWindow();
    auto* dir1 = find<QListView>(*window, "Dir1");
    EXPECT_EQ(dir1->model()->index(0, 0).data().toString(), "/") << "the root keeps its name";
    const QString targetName = labelText(*window, "lblFolderName(1)");
    const QString targetCount = labelText(*window, "lblTotalFiles(1)");
    QModelIndex sub;
    for (int row = 0; row < dir1->model()->rowCount(); ++row)
        if (dir1->model()->index(row, 0).data().toString() == "sub")
            sub = dir1->model()->index(row, 0);
    ASSERT_TRUE(sub.isValid());
    QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, dir1->visualRect(sub).center());
    EXPECT_EQ(window->state().Dir1, temp / "disk/start/sub");
    EXPECT_EQ(labelText(*window, "lblFolderName(0)"), folderLabel(temp / "disk/start/sub"));
    EXPECT_EQ(labelText(*window, "lblTotalFiles(0)"), "Total file count = 0");
    EXPECT_EQ(labelText(*window, "lblFolderName(1)"), targetName);
    EXPECT_EQ(labelText(*window, "lblTotalFiles(1)"), targetCount);
    EXPECT_EQ(find<QListView>(*window, "File2")->model()->rowCount(), 2);
}

TEST_F(MainWindowTest, ADriveThatIsNotThereIsReportedAndTheDriveListGoesBack) {
    auto window = loadedWindow();
    auto* drive1 = find<QComboBox>(*window, "Drive1");
    ASSERT_EQ(drive1->itemText(1), QString::fromStdString(temp / "usb") + " [STICK]");
    prompts.expectMessage("Error reading Drive. Error Nr:2",
                          "Could not access drive " + (temp / "usb") +
                              " [STICK]\r\n\r\nNo such file or directory",
                          PromptButtons::Ok);
    drive1->setCurrentIndex(1);
    emit drive1->activated(1);
    EXPECT_EQ(drive1->currentText(), QString::fromStdString(temp / "disk"));
    EXPECT_EQ(window->state().Dir1, temp / "disk/start");
}

TEST_F(MainWindowTest, DoubleClickingAFileOpensIt) {
    auto window = loadedWindow();
    auto* file2 = find<QListView>(*window, "File2");
    const QModelIndex second = file2->model()->index(1, 0);
    QSignalSpy spy(file2, &QListView::doubleClicked);
    const QPoint at = file2->visualRect(second).center();
    QTest::mousePress(file2->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(file2->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(file2->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(shell.opened, std::vector<std::string>{temp / "disk/start/b.txt"});
}

TEST_F(MainWindowTest, HistoriesAddIgnoringCaseAndTheMenuClearsAndRemoves) {
    auto window = loadedWindow();
    window->state().cmbSourceHistory.items = {temp / "DISK/START"};
    AddToHistory(window->state());
    window->showState();
    auto* source = find<QComboBox>(*window, "cmbSourceHistory");
    auto* target = find<QComboBox>(*window, "cmbTargetHistory");
    EXPECT_EQ(source->count(), 1);
    EXPECT_EQ(target->count(), 1);

    HistoryActions& history = window->historyActions();
    history.prepare(Pane::Destination);
    EXPECT_FALSE(menuItem(history.menu(), 20)->isEnabled());
    window->state().cmbTargetHistory.selected = 0;
    history.prepare(Pane::Destination);
    ASSERT_TRUE(menuItem(history.menu(), 20)->isEnabled());
    menuItem(history.menu(), 20)->trigger();
    EXPECT_EQ(target->count(), 0);

    history.prepare(Pane::Source);
    menuItem(history.menu(), 10)->trigger();
    EXPECT_EQ(source->count(), 0);
}

TEST_F(MainWindowTest, ChoosingAHistoryEntryMovesThePane) {
    auto window = loadedWindow();
    window->state().cmbTargetHistory.items = {temp / "disk/other", temp / "disk/gone"};
    AddToHistory(window->state());
    window->showState();
    auto* target = find<QComboBox>(*window, "cmbTargetHistory");
    emit target->activated(1);
    EXPECT_EQ(window->state().Dir2, temp / "disk/other");
    prompts.expectMessage("Error reading drive. Err Nr:2",
                          "Could not access drive " + (temp / "disk") +
                              "\r\n\r\nNo such file or directory",
                          PromptButtons::Ok);
    emit target->activated(2);
    EXPECT_EQ(window->state().Dir2, temp / "disk/other");
}

TEST_F(MainWindowTest, PresetButtonsMoveTheirPaneWhenTheFolderExists) {
    auto window = loadedWindow();
    QTest::mouseClick(find<QWidget>(*window, "cmdPresetFolders(7)"), Qt::LeftButton);
    EXPECT_EQ(window->state().Dir2, temp / "disk/Pictures");
    EXPECT_EQ(window->state().Dir1, temp / "disk/start");
    QTest::mouseClick(find<QWidget>(*window, "cmdPresetFolders(1)"), Qt::LeftButton);
    EXPECT_EQ(window->state().Dir1, temp / "disk/start");
}

TEST_F(MainWindowTest, TheFilterBoxAddsNewTextsFirst) {
    auto window = loadedWindow();
    auto* pattern = find<QComboBox>(*window, "cmbPattern");
    pattern->lineEdit()->selectAll();
    QTest::keyClicks(pattern->lineEdit(), "*.doc");
    QTest::keyClick(pattern->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(pattern->count(), 4);
    EXPECT_EQ(pattern->itemText(0), "*.doc");
    pattern->lineEdit()->selectAll();
    QTest::keyClicks(pattern->lineEdit(), "*.jpg [PICTURES]");
    QTest::keyClick(pattern->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(pattern->count(), 4);
    EXPECT_EQ(window->state().cmbPattern.text, "*.jpg [PICTURES]");
}

TEST_F(MainWindowTest, UncheckingBothConditionsWarnsOnce) {
    auto window = loadedWindow();
    clickCheckBox(find<QCheckBox>(*window, "chkOnlyNewFiles"));
    prompts.expectMessage("Copy files Conditionally", "Enable at least one condition please.",
                          PromptButtons::Ok);
    clickCheckBox(find<QCheckBox>(*window, "chkChangedFiles"));
    EXPECT_FALSE(window->state().chkOnlyNewFiles.checked);
    EXPECT_FALSE(window->state().chkChangedFiles.checked);
}

TEST_F(MainWindowTest, CopyFilesAlwaysDisablesTheConditions) {
    auto window = loadedWindow();
    QTest::mouseClick(find<QWidget>(*window, "optAllCopy"), Qt::LeftButton);
    EXPECT_TRUE(window->state().optAllCopy());
    EXPECT_FALSE(find<QCheckBox>(*window, "chkChangedFiles")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>(*window, "chkPreserveFiles")->isEnabled());
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsAndTheDailyLog) {
    auto window = loadedWindow();
    window->options().chkLog = 1;
    window->log().append("*** BACKUP Started at 21/06/2016\r\n");
    window->close();
    EXPECT_TRUE(temp.exists("program/Tidecopy.ini"));
    EXPECT_EQ(temp.readFile("program/Logs/Log 16-06-21 01.log"),
              "*** BACKUP Started at 21/06/2016\r\n");
}

TEST_F(MainWindowTest, TheManualOpensFromTheResourceFolder) {
    auto window = loadedWindow();
    QTest::mouseClick(find<QWidget>(*window, "cmdHelp"), Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<std::string>{temp / "share/Manual.pdf"});
}

// A due check shows frmUpdateWait while it waits for the web site; a check turned off, or
// one of the first five starts, shows nothing and downloads nothing.
TEST_F(MainWindowTest, StartUpChecksForUpdatesWithTheWaitWindow) {
    struct Case {
        const char* name;
        const char* counter;
        const char* noUrlUpdate;
        bool checks;
    };
    const Case cases[] = {
        {"due", "6", "No", true},
        {"turned off", "6", "Yes", false},
        {"fifth start", "5", "No", false},
    };
    web.holdReplies = true;
    web.reply = "100\r\nTidecopy\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        web.fetched.clear();
        fake.settingsStore.save("OrnCaldrix", "Tidecopy", "UseCounter", c.counter);
        fake.settingsStore.save("OrnCaldrix", "Tidecopy", "NoURLupdate", c.noUrlUpdate);
        auto window = loadedWindow();
        auto* wait = find<QDialog>(*window, "frmUpdateWait");
        EXPECT_EQ(wait->isVisible(), c.checks);
        EXPECT_FALSE(wait->isModal());
        EXPECT_EQ(wait->windowTitle(), "Checking Website for Updates");
        EXPECT_EQ(labelText(*window, "Label1"), "Checking For Updates...Please Wait...");
        EXPECT_EQ(web.fetched.size(), c.checks ? 1U : 0U);
        web.deliver();
        EXPECT_FALSE(wait->isVisible());
    }
}

// About's "Check for updates" asks the web site at once (and, without an answer, opens the
// web page); System Info starts the tool found on the search path.
TEST_F(MainWindowTest, AboutChecksForUpdatesAndSystemInfoStartsTheToolOnThePath) {
    auto window = loadedWindow();
    web.reply = std::nullopt;
    QTimer::singleShot(0, [] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->objectName(), "frmAbout");
        QTest::mouseClick(about->findChild<QWidget*>("cmdCheckForUpdates"), Qt::LeftButton);
        QTest::mouseClick(about->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
    });
    QTest::mouseClick(find<QWidget>(*window, "cmdAbout"), Qt::LeftButton);
    EXPECT_EQ(web.fetched, std::vector<std::string>{ProductAddresses::versionFile});
    EXPECT_EQ(web.opened, std::vector<std::string>{ProductAddresses::webPage});

    const QByteArray path = qgetenv("PATH");
    const std::string tool = temp.writeFile("bin/hardinfo", "#!/bin/sh\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    qputenv("PATH", QByteArray::fromStdString(temp / "bin"));
    QTest::mouseClick(find<QWidget>(*window, "cmdSysInfo"), Qt::LeftButton);
    qputenv("PATH", path);
    EXPECT_EQ(shell.started, std::vector<std::string>{tool});
}

// A missing or unreadable icon resource would leave every size blank.
TEST_F(MainWindowTest, TheProgramIconIsDrawnAtEverySize) {
    const QIcon icon = programIcon();
    ASSERT_EQ(icon.availableSizes().size(), 7);
    for (const QSize size : icon.availableSizes()) {
        SCOPED_TRACE(size.width());
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
    }
    EXPECT_EQ(icon.availableSizes().front(), QSize(16, 16));
    EXPECT_EQ(icon.availableSizes().back(), QSize(256, 256));
}

// Cancel waits for a run; the pictures, labels and frames have names for screen readers.
TEST_F(MainWindowTest, CancelIsOffAtStartAndEveryControlHasAnAccessibleName) {
    auto window = makeWindow();
    EXPECT_FALSE(find<QWidget>(*window, "cmdCancel")->isEnabled());
    for (const char* name :
         {"txtLog", "lblPercent", "picPercent", "imgPercent", "lblView1", "imgView1", "lblclock",
          "lblProfile", "frmSource", "frmTarget", "frmOptions", "frmLog", "Image1", "Image2(0)",
          "Image3(1)", "Image4(0)", "Image7", "Image9(1)", "Image11"}) {
        const auto* widget = window->findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
    }
}

} // namespace
} // namespace tidecopy
