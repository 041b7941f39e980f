#include "app/MainWindow.h"

#include "MainWindowFixture.h"
#include "app/ProgramIcon.h"
#include "config/FolderHistory.h"
#include "config/ui/HistoryActions.h"
#include "log/LogOptions.h"
#include "panes/Panes.h"
#include "update/ProductAddresses.h"
#include "widgets/Commands.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace tidecopy {
namespace {

// The fixture lives in MainWindowFixture.h, shared with the run tests.
class MainWindowTest : public MainWindowFixture {
protected:
    // Opens the options dialog with cmdPreserveOptions and lets act work in it; act ends
    // by closing it.
    void inOptionsDialog(MainWindow& window, std::function<void(QDialog&)> act) {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), "frmPresOptions");
            EXPECT_EQ(dialog->windowTitle(), "Settings and Options");
            act(*dialog);
            acted = true;
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->done(QDialog::Rejected);
            }
        });
        QTest::mouseClick(find<QWidget>(window, "cmdPreserveOptions"), Qt::LeftButton);
        EXPECT_TRUE(acted);
    }
    template <typename Widget = QWidget>
    static Widget* control(QDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void press(QDialog& dialog, const char* name) {
        QTest::mouseClick(control(dialog, name), Qt::LeftButton);
    }
    // A screen reader's press on a control.
    static void pressAccessibly(QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible->actionInterface(), nullptr);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    std::string stored(const char* key) {
        return fake.settingsStore.get("OrnCaldrix", "Tidecopy", key, "-");
    }
};

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
    EXPECT_TRUE(labelText(*window, "lblFileInfo").startsWith("a.txt 20"));
    EXPECT_EQ(window->startUpPhase(), StartUpPhase::Done);
    // Centred as the window measured itself before it was shown (showing may still
    // change its frame by a few pixels); a window wider than the screen starts at its edge.
    const QRect screen = window->screen()->availableGeometry();
    const int centred = (screen.width() - window->frameGeometry().width()) / 2;
    EXPECT_NEAR(window->x(), screen.x() + std::max(centred, 0), 5);
}

// Recall on brings back the folders, the position and the histories; off keeps the start
// folders.
TEST_F(MainWindowTest, RecallRestoresTheFoldersAndThePositionOnlyWhenOn) {
    for (const bool recall : {true, false}) {
        SCOPED_TRACE(recall);
        writeSettings(recall);
        auto window = loadedWindow();
        EXPECT_EQ(window->state().Dir1, temp / (recall ? "disk/other" : "disk/start"));
        EXPECT_EQ(window->state().Dir2, temp / (recall ? "disk/start/sub" : "disk/start"));
        if (recall) {
            EXPECT_EQ(labelText(*window, "lblTotalFiles(1)"), "Total file count = 0");
            EXPECT_EQ(window->pos() - window->screen()->availableGeometry().topLeft(),
                      QPoint(100, 200));
            EXPECT_EQ(find<QComboBox>(*window, "cmbSourceHistory")->count(), 1);
        }
    }
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

// A double-clicked file and the manual (from the resource folder) open on the desktop.
TEST_F(MainWindowTest, DoubleClickingAFileAndHelpOpenThemOnTheDesktop) {
    auto window = loadedWindow();
    auto* file2 = find<QListView>(*window, "File2");
    const QModelIndex second = file2->model()->index(1, 0);
    QSignalSpy spy(file2, &QListView::doubleClicked);
    const QPoint at = file2->visualRect(second).center();
    QTest::mousePress(file2->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(file2->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(file2->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseClick(find<QWidget>(*window, "cmdHelp"), Qt::LeftButton);
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{temp / "disk/start/b.txt", temp / "share/Manual.pdf"}));
}

TEST_F(MainWindowTest, HistoriesAddOnlyNewFoldersAndTheMenuClearsAndRemoves) {
    auto window = loadedWindow();
    window->state().cmbSourceHistory.items = {temp / "disk/start"};
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

TEST_F(MainWindowTest, HistoryEntriesAndPresetsMoveTheirPane) {
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

    // Preset buttons too, when their folder exists.
    QTest::mouseClick(find<QWidget>(*window, "cmdPresetFolders(7)"), Qt::LeftButton);
    EXPECT_EQ(window->state().Dir2, temp / "disk/Pictures");
    EXPECT_EQ(window->state().Dir1, temp / "disk/start");
    QTest::mouseClick(find<QWidget>(*window, "cmdPresetFolders(1)"), Qt::LeftButton);
    EXPECT_EQ(window->state().Dir1, temp / "disk/start");
}

// Enter and the loss of focus (Tab, a click elsewhere) follow one rule: a new text
// becomes the first item, one that differs only in case adds nothing.
TEST_F(MainWindowTest, TheFilterBoxAddsNewTextsFirst) {
    enum class Commit { Enter, Tab, FocusElsewhere };
    struct Case {
        Commit commit;
        const char* text;
        int count;
    };
    auto window = loadedWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* pattern = find<QComboBox>(*window, "cmbPattern");
    for (const Case& c :
         {Case{Commit::Enter, "*.doc", 4}, Case{Commit::Tab, "*.txt", 5},
          Case{Commit::FocusElsewhere, "*.ods", 6}, Case{Commit::Tab, "*.JPG [PICTURES]", 6}}) {
        SCOPED_TRACE(c.text);
        pattern->setFocus();
        pattern->lineEdit()->selectAll();
        QTest::keyClicks(pattern->lineEdit(), c.text);
        if (c.commit == Commit::Enter)
            QTest::keyClick(pattern->lineEdit(), Qt::Key_Return);
        else if (c.commit == Commit::Tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else
            find<QWidget>(*window, "txtLog")->setFocus();
        EXPECT_EQ(pattern->hasFocus(), c.commit == Commit::Enter);
        EXPECT_EQ(pattern->count(), c.count);
        EXPECT_EQ(window->state().cmbPattern.text, c.text);
    }
    EXPECT_EQ(pattern->itemText(0), "*.ods");
}

// Unchecking the second condition warns once; copying always takes the conditions away.
TEST_F(MainWindowTest, TheConditionsWarnWhenBothGoAndAreOffForCopyingAlways) {
    auto window = loadedWindow();
    clickCheckBox(find<QCheckBox>(*window, "chkOnlyNewFiles"));
    prompts.expectMessage("Copy files Conditionally", "Enable at least one condition please.",
                          PromptButtons::Ok);
    clickCheckBox(find<QCheckBox>(*window, "chkChangedFiles"));
    EXPECT_FALSE(window->state().chkOnlyNewFiles.checked);
    EXPECT_FALSE(window->state().chkChangedFiles.checked);
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

const char* const automationText = "You have enabled Automation (execution of a backup job), but "
                                   "you did not specify a profile. Please select a backup profile.";
const char* const detailedLogNote =
    "Enabling detailed log can increase the process time when a large number of files are "
    "copied.\r\n\r\nYou can always limit the size of the log anything between 1000...9999999 "
    "(0 = unlimitted).";

// What OK makes of the dialog's controls, however they were operated; Cancel changes
// nothing; automation without a profile keeps the dialog open and changes nothing either.
TEST_F(MainWindowTest, TheOptionsDialogChangesTheOptionsOnlyOnOk) {
    temp.writeFile("program/Profiles/Nightly.prof", "");
    temp.writeFile("program/Profiles/Daily.prof", "");
    using Act = std::function<void(QDialog&, OptionSet&)>;
    struct Case {
        const char* name;
        Act act; // changes the controls, and the expected options as OK should
        bool ok;
    };
    const auto setText = [](QDialog& dialog, const char* name, const char* text) {
        auto* box = control<QLineEdit>(dialog, name);
        box->clear();
        QTest::keyClicks(box, text);
    };
    const Case cases[] = {
        {"Newer while Older was checked, by Space",
         [](QDialog& d, OptionSet& o) {
             MainWindowFixture::clickCheckBox(control(d, "chkDateFiles(2)"));
             QWidget* newer = control(d, "chkDateFiles(1)");
             newer->setFocus();
             QTest::keyClick(newer, Qt::Key_Space);
             EXPECT_FALSE(control<QCheckBox>(d, "chkDateFiles(2)")->isChecked());
             o.DateCondition = 2;
         },
         true},
        {"a screen reader's press on a date box",
         [](QDialog& d, OptionSet& o) {
             MainWindowFixture::clickCheckBox(control(d, "chkDateFiles(0)"));
             auto* older = control<QCheckBox>(d, "chkDateFiles(2)");
             pressAccessibly(older);
             // The press is animated: it lands a moment later.
             EXPECT_TRUE(QTest::qWaitFor([older] { return older->isChecked(); }));
             EXPECT_FALSE(control<QCheckBox>(d, "chkDateFiles(0)")->isChecked());
             o.DateCondition = 3;
         },
         true},
        {"a limit of 1000 makes the log editable",
         [&](QDialog& d, OptionSet& o) {
             prompts.expectMessage("Info: Detailed Log", detailedLogNote, PromptButtons::Ok);
             MainWindowFixture::clickCheckBox(control(d, "chkLogDetails"));
             setText(d, "txtLimit", "10,00x");
             EXPECT_EQ(control<QLineEdit>(d, "txtLimit")->text(), "1000");
             o.chkLogDetails = 1;
             o.LogLimit = "1000";
             o.chkeditLog = 1;
         },
         true},
        {"an extension, refused characters left out",
         [&](QDialog& d, OptionSet& o) {
             MainWindowFixture::clickCheckBox(control(d, "Option1(2)"));
             setText(d, "txtExt", "o,l/d\\12345678");
             o.PreserveNaming = 2;
             o.PreserveExtension = "old1234567";
         },
         true},
        {"automation without a profile stays open",
         [&](QDialog& d, OptionSet&) {
             MainWindowFixture::clickCheckBox(control(d, "chkExecute"));
             prompts.expectMessage("Execute Backup on Startup", automationText, PromptButtons::Ok);
             press(d, "Command1");
             EXPECT_TRUE(d.isVisible());
             EXPECT_EQ(d.focusWidget(), control(d, "File1"));
             EXPECT_EQ(stored("Path"), "-");
         },
         false},
        {"shut down, sounds, integrity and the rest, by Enter",
         [](QDialog& d, OptionSet& o) {
             for (const char* name :
                  {"optShutdown(2)", "chkNoSoundEffect", "chkIntegrity", "chkFolderExist",
                   "chkConfirmationBackup", "chkLogUser", "chkeditLog", "chkLog", "chkOnlyonce",
                   "chkCloseProg", "chkEmptyFolders"})
                 MainWindowFixture::clickCheckBox(control(d, name));
             o.ShutdownMode = 2;
             o.chkNoSoundEffect = o.chkIntegrity = o.chkFolderExist = o.chkLogUser = 1;
             o.chkeditLog = o.chkLog = o.chkOnlyonce = o.chkCloseProg = o.chkEmptyFolders = 1;
             o.chkConfirmationBackup = 0;
             QTest::keyClick(control(d, "txtExt"), Qt::Key_Return);
             EXPECT_FALSE(d.isVisible());
         },
         true},
        {"Cancel by Escape",
         [](QDialog& d, OptionSet&) {
             MainWindowFixture::clickCheckBox(control(d, "chkIntegrity"));
             QTest::keyClick(control(d, "chkIntegrity"), Qt::Key_Escape);
             EXPECT_FALSE(d.isVisible());
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.settingsStore.values.clear();
        auto window = loadedWindow();
        window->options().PreserveExtension = "old";
        const OptionSet expected = window->options();
        OptionSet changed = expected;
        changed.LogLimit = "0"; // no limit, as the dialog writes it
        inOptionsDialog(*window, [&](QDialog& dialog) {
            c.act(dialog, changed);
            if (dialog.isVisible())
                press(dialog, c.ok ? "Command1" : "Command2");
        });
        EXPECT_EQ(window->options(), c.ok ? changed : expected);
        auto* log = find<QPlainTextEdit>(*window, "txtLog");
        EXPECT_EQ(log->isReadOnly(), window->options().chkeditLog == 0);
        EXPECT_EQ(window->log().maxLength(), logMaxLengthFor(window->options().LogLimit));
    }
}

// The colour choosers start from black and change the sample only when a colour is
// chosen; the reset icon brings back the system colour. OK colours the panes.
TEST_F(MainWindowTest, TheOptionsDialogChoosesColours) {
    auto window = loadedWindow();
    window->options().PaneColors = {0x00ff00, 0xff0000};
    const auto inColorDialog = [](std::optional<QColor> choice) {
        QTimer::singleShot(0, [choice] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->currentColor(), QColor(Qt::black));
            EXPECT_EQ(QColorDialog::customColor(3), QColor(Qt::black));
            QColorDialog::setCustomColor(3, Qt::red);
            if (choice) {
                chooser->setCurrentColor(*choice);
                chooser->accept();
            } else {
                chooser->reject();
            }
        });
    };
    inOptionsDialog(*window, [&](QDialog& dialog) {
        inColorDialog(QColor(0x12, 0x34, 0x56, 0x80));
        press(dialog, "cmdColors(0)");
        inColorDialog(std::nullopt);
        press(dialog, "cmdColors(1)");
        const auto sampleColor = [&dialog](const char* name) {
            return control(dialog, name)->palette().color(QPalette::Window);
        };
        EXPECT_EQ(sampleColor("lblColor(0)"), QColor(0x12, 0x34, 0x56));
        EXPECT_EQ(sampleColor("lblColor(1)"), QColor(0, 0, 0xff));
        press(dialog, "Command1");
    });
    EXPECT_EQ(window->options().PaneColors, (std::array<std::int32_t, 2>{0x563412, 0xff0000}));
    EXPECT_EQ(find<QWidget>(*window, "Dir1")->palette().color(QPalette::Base),
              QColor(0x12, 0x34, 0x56));
    inOptionsDialog(*window, [&](QDialog& dialog) {
        pressAccessibly(control(dialog, "Image21"));
        press(dialog, "Command1");
    });
    EXPECT_EQ(window->options().PaneColors,
              (std::array<std::int32_t, 2>{systemWindowColor, systemWindowColor}));
}

// The automation profile named in another case is selected, and OK keeps the listed name
// and writes the program's place; the detailed log's note comes once per program run;
// a profiles folder that is gone is named, and the dialog opens all the same.
TEST_F(MainWindowTest, TheOptionsDialogListsProfilesAndNotesOnce) {
    temp.writeFile("program/Profiles/Daily.prof", "");
    temp.writeFile("program/Profiles/Nightly.prof", "");
    auto window = loadedWindow();
    window->options().AutoProfile = "NIGHTLY.prof";
    window->options().chkExecute = 1;
    prompts.expectMessage("Info: Detailed Log", detailedLogNote, PromptButtons::Ok);
    inOptionsDialog(*window, [&](QDialog& dialog) {
        auto* limit = control(dialog, "txtLimit");
        EXPECT_FALSE(limit->isEnabled());
        MainWindowFixture::clickCheckBox(control(dialog, "chkLogDetails"));
        EXPECT_TRUE(limit->isEnabled());
        MainWindowFixture::clickCheckBox(control(dialog, "chkLogDetails"));
        MainWindowFixture::clickCheckBox(control(dialog, "chkLogDetails"));
        press(dialog, "Command1");
    });
    EXPECT_EQ(window->options().AutoProfile, "Nightly.prof");
    EXPECT_EQ(window->options().chkLogDetails, 1);
    EXPECT_EQ(stored("Path"), temp / "program");
    EXPECT_EQ(stored("EXE"), "tidecopy");
    EXPECT_EQ(stored("NoURLupdate"), "No");

    std::filesystem::remove_all(temp / "program/Profiles");
    prompts.expectMessage("",
                          "Error 2 (No such file or directory) in procedure Form_Load of Form "
                          "frmPresOptions",
                          PromptButtons::Ok);
    inOptionsDialog(*window, [&](QDialog& dialog) {
        MainWindowFixture::clickCheckBox(control(dialog, "chkLogDetails"));
        MainWindowFixture::clickCheckBox(control(dialog, "chkLogDetails"));
        EXPECT_EQ(control<QCheckBox>(dialog, "chkExecute")->isChecked(), true);
        press(dialog, "Command2");
    });
}

// Check Now asks the web site at once and holds OK and Cancel until it has ended; it
// leaves the stored update choice alone, whatever the box says.
TEST_F(MainWindowTest, CheckNowHoldsTheDialogAndKeepsTheUpdateChoice) {
    auto window = loadedWindow();
    fake.settingsStore.save("OrnCaldrix", "Tidecopy", "NoURLupdate", "Yes");
    web.holdReplies = true;
    web.reply = std::nullopt;
    web.state = Reachability::Disconnected;
    inOptionsDialog(*window, [&](QDialog& dialog) {
        EXPECT_FALSE(control<QCheckBox>(dialog, "chkVersionupdate")->isChecked());
        MainWindowFixture::clickCheckBox(control(dialog, "chkVersionupdate"));
        auto* checkNow = control(dialog, "cmdChecknox");
        checkNow->setFocus();
        QTest::keyClick(checkNow, Qt::Key_Space);
        EXPECT_EQ(web.fetched, std::vector<std::string>{ProductAddresses::versionFile});
        for (const char* name : {"Command1", "Command2", "cmdChecknox", "Command3"})
            EXPECT_FALSE(control<OwnerDrawnButton>(dialog, name)->isEnabled()) << name;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(stored("NoURLupdate"), "Yes");
        prompts.expectMessage("Check for updates",
                              "No internet connection detected to perform an update check.",
                              PromptButtons::Ok);
        web.deliver();
        EXPECT_TRUE(control<OwnerDrawnButton>(dialog, "Command2")->isEnabled());
        press(dialog, "Command2");
    });
    EXPECT_EQ(stored("NoURLupdate"), "Yes");
    EXPECT_TRUE(web.opened.empty());
}

// Reset asks first; on Yes the settings file goes and the program ends at once, without
// the closing steps that would write it again.
TEST_F(MainWindowTest, ResetDeletesTheSettingsAndEndsTheProgram) {
    writeSettings(false);
    auto window = loadedWindow();
    const char* const question =
        "The program will close to be able to restore all settings.\r\n"
        "Are you sure to restore all settings back to their initial values?";
    inOptionsDialog(*window, [&](QDialog& dialog) {
        prompts.expectMessage("Reset Tidecopy", question, PromptButtons::YesNo, PromptAnswer::No);
        press(dialog, "Command3");
        EXPECT_TRUE(temp.exists("program/Tidecopy.ini"));
        EXPECT_EQ(programEnds, 0);
        prompts.expectMessage("Reset Tidecopy", question, PromptButtons::YesNo, PromptAnswer::Yes)
            .expectMessage("Reset Tidecopy",
                           "All settings restored. Program will close. Please restart Tidecopy...",
                           PromptButtons::Ok);
        press(dialog, "Command3");
        EXPECT_EQ(programEnds, 1);
        press(dialog, "Command2");
    });
    EXPECT_FALSE(temp.exists("program/Tidecopy.ini"));
    EXPECT_EQ(stored("NoURLupdate"), "No");
    window.reset();
    EXPECT_FALSE(temp.exists("program/Tidecopy.ini"));
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

// Cancel waits for a run. Pictures and frames have names for screen readers; a label
// is read as the text it shows, whatever set it.
TEST_F(MainWindowTest, CancelIsOffAtStartAndScreenReadersReadEveryControl) {
    auto window = loadedWindow();
    EXPECT_FALSE(find<QWidget>(*window, "cmdCancel")->isEnabled());
    for (const char* name : {"txtLog", "picPercent", "imgPercent", "imgView1", "frmSource",
                             "frmTarget", "frmOptions", "frmLog", "Image1", "Image2(0)",
                             "Image3(1)", "Image4(0)", "Image7", "Image9(1)", "Image11"})
        EXPECT_FALSE(spokenName(find<QWidget>(*window, name)).isEmpty()) << name;
    EXPECT_EQ(spokenName(find<QWidget>(*window, "lblProfile")), "Default");
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            EXPECT_EQ(spokenName(label), label->text()) << label->objectName().toStdString();
        }
    }
}

// Every control that opens a menu or acts can be reached and pressed without a mouse.
TEST_F(MainWindowTest, TheSoundIconAnswersAClickAKeyAndAScreenReadersPress) {
    auto window = loadedWindow();
    auto* image1 = find<QWidget>(*window, "Image1");
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(image1, Qt::LeftButton); },
        [&] { QTest::keyClick(image1, Qt::Key_Space); },
        [&] {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(image1);
            ASSERT_EQ(accessible->role(), QAccessible::Button);
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        },
    };
    std::size_t played = 0;
    for (const auto& press : ways) {
        press();
        EXPECT_EQ(sound.played.size(), ++played);
    }
}

// Tab goes through the window as it is drawn: the source pane, the destination pane,
// then the copy options, the run buttons and the log, each from top to bottom.
TEST_F(MainWindowTest, TabFollowsTheDrawingColumnByColumn) {
    std::istringstream names(
        "cmbSourceHistory Image9(0) cmdPresetFolders(0) cmdPresetFolders(1) "
        "cmdPresetFolders(2) cmdPresetFolders(3) cmdPresetFolders(4) Drive1 Image2(0) "
        "Image3(0) Dir1 Image4(0) File1 cmbTargetHistory Image9(1) cmdPresetFolders(5) "
        "cmdPresetFolders(6) cmdPresetFolders(7) cmdPresetFolders(8) cmdPresetFolders(9) "
        "Drive2 Image2(1) Image3(1) Dir2 Image4(1) File2 optAllCopy optSelectiveCopy "
        "chkOnlyNewFiles chkChangedFiles chkPreserveFiles chkSubFolders chkOnlySubs "
        "chkRelative cmbPattern chkRecall Image7 cmdPreserveOptions cmdPreview cmdBackItUp "
        "cmdCancel cmdSaveOpen(0) cmdSaveOpen(1) cmdAbout cmdSysInfo cmdHelp cmdLogoption(0) "
        "cmdLogoption(1) cmdLogoption(2) cmdLogoption(3) cmdLogoption(4) imgExpand Image11 "
        "txtLog Image1");
    const std::vector<std::string> order{std::istream_iterator<std::string>(names), {}};
    auto window = loadedWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    std::vector<std::string> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible())
            chain.push_back(w->objectName().toStdString());
    EXPECT_EQ(chain, order);

    // The keyboard goes that way.
    for (const auto& [from, to] :
         {std::pair{"cmdPreview", "cmdBackItUp"}, std::pair{"File1", "cmbTargetHistory"},
          std::pair{"Drive2", "Image2(1)"}, std::pair{"cmbPattern", "chkRecall"},
          std::pair{"cmdLogoption(4)", "imgExpand"}, std::pair{"imgExpand", "Image11"}}) {
        auto* widget = find<QWidget>(*window, from);
        widget->setEnabled(true);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), to) << from;
    }
}

// Every control a user sees lies inside the window and inside the frame that holds it,
// and none covers another: at the size the window opens with on a 1366 x 768 screen and
// at 1000 x 700 (each less a title bar), with a folder and a file of long names shown.
TEST_F(MainWindowTest, NothingIsCutOffOrCoveredFromTheUsualSizeDownTo1000By700) {
    const std::string longFolder = "disk/" + std::string(150, 'f');
    temp.writeFile(longFolder + "/" + std::string(150, 'n') + ".txt", "x");
    auto window = loadedWindow(longFolder);
    const QString folderName = folderLabel(temp / longFolder);
    EXPECT_EQ(labelText(*window, "lblFolderName(0)"), folderName);
    for (const QSize size : {QSize(1366, 738), QSize(1000, 670)}) {
        SCOPED_TRACE(size.width());
        window->resize(size);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(window->size(), size);
        const QRect inside = window->rect();
        std::vector<QWidget*> controls;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisible() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                controls.push_back(w);
        for (QWidget* w : controls) {
            const std::string name = w->objectName().toStdString();
            const QRect placed(w->mapTo(window.get(), QPoint()), w->size());
            EXPECT_TRUE(inside.contains(placed)) << name;
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name;
            for (QWidget* other : controls) {
                if (other == w || w->isAncestorOf(other) || other->isAncestorOf(w))
                    continue;
                const QRect otherPlaced(other->mapTo(window.get(), QPoint()), other->size());
                EXPECT_FALSE(placed.intersects(otherPlaced))
                    << name << " and " << other->objectName().toStdString();
            }
        }
    }
}

// A position saved on a screen that is not there any more comes back onto a screen.
TEST_F(MainWindowTest, ASavedPositionOffTheScreensComesBackOntoOne) {
    OptionSet options;
    MainState state;
    state.window = {5000 * 15, 3000 * 15, false};
    temp.writeFile("program/Tidecopy.ini", settingsFileText(options, state));
    auto window = loadedWindow();
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
}

} // namespace
} // namespace tidecopy
