#include "MainWindowFixture.h"
#include "engine/ui/CountdownDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QSignalSpy>
#include <QTimer>
#include <filesystem>

namespace tidecopy {
namespace {

// Backups, previews, profiles and automation from the main window, on real folders of
// the temporary drive disk/: src/ is backed up into dst/.
class WindowRunTest : public MainWindowFixture {
protected:
    WindowRunTest() {
        temp.writeFile("disk/src/a.txt", "aaa");
        temp.writeFile("disk/src/sub/b.txt", "bbbb");
        temp.makeFolder("disk/dst");
        temp.makeFolder("program/Profiles");
    }

    std::unique_ptr<MainWindow> startedWindow() {
        auto window = loadedWindow();
        window->setFolder(Pane::Source, temp / "disk/src");
        window->setFolder(Pane::Destination, temp / "disk/dst");
        return window;
    }

    // Presses a button of the window and waits until the run it starts has ended.
    void runBy(MainWindow& window, const char* button) {
        QSignalSpy ended(&window, &MainWindow::runFinished);
        QTest::mouseClick(find<QWidget>(window, button), Qt::LeftButton);
        waitForRun(window, ended);
    }
    static void waitForRun(MainWindow& window, QSignalSpy& ended) {
        if (window.runInProgress() || ended.isEmpty()) {
            ASSERT_TRUE(ended.wait(20000)) << "the run did not end";
        }
    }

    void expectConfirmation(const char* between = "\r\n\r\nAnd all its sub folders to:\r\n") {
        prompts.expectMessage("Backup",
                              "You are about to backup/copy files from:\r\n" + (temp / "disk/src") +
                                  between + (temp / "disk/dst"),
                              PromptButtons::YesNoCancel, PromptAnswer::Yes);
    }

    // Acts on the top-level window of that name as soon as it shows, from within
    // whatever event loop runs then (a modal dialog's own). Watches as long as owner
    // lives.
    static void whenShown(QObject* owner, const QString& name, std::function<void(QWidget*)> act) {
        auto* poll = new QTimer(owner);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, name, act = std::move(act)] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->objectName() == name && widget->isVisible()) {
                    poll->stop();
                    act(widget);
                    return;
                }
        });
        poll->start(5);
    }

    // A window whose settings start the automation with the profile auto.prof (src/ into
    // dst/ with the given options), after its run; atCountdown acts on the countdown.
    std::unique_ptr<MainWindow> automatedWindow(const OptionSet& profileOptions,
                                                std::function<void(QWidget*)> atCountdown) {
        OptionSet settings;
        settings.chkExecute = 1;
        settings.AutoProfile = "auto.prof";
        temp.writeFile("program/Tidecopy.ini", settingsFileText(settings, MainState{}));
        MainState job;
        job.Dir1 = temp / "disk/src";
        job.Dir2 = temp / "disk/dst";
        job.chkRelative.checked = true;
        temp.writeFile("program/Profiles/auto.prof", settingsFileText(profileOptions, job));
        auto window = makeWindow();
        whenShown(window.get(), "frmMessage", std::move(atCountdown));
        QSignalSpy ended(window.get(), &MainWindow::runFinished);
        window->Form_Load();
        waitForRun(*window, ended);
        return window;
    }
    static OptionSet automated(std::int16_t onlyOnce) {
        OptionSet options;
        options.chkExecute = 1;
        options.chkOnlyonce = onlyOnce;
        options.AutoProfile = "auto.prof";
        options.chkConfirmationBackup = 0;
        options.chkLog = 1;
        return options;
    }

    // The settings block and the preparation line every run from a started window logs.
    std::string settingsLines() const {
        return "Settings:\r\n- Source Folder-> " + (temp / "disk/src") +
               "\r\n- Destination Folder-> " + (temp / "disk/dst") +
               "\r\n- Copy Files Conditionally\r\n- Recurse Folders Enabled"
               "\r\n- Relative Path Enabled\r\n- Recall Last Backup Disabled\r\n"
               "- Preserve Files Disabled\r\n- Filter Pattern *.* [All Files]\r\n"
               "- Check Integrity of Files Disabled\r\n- Closing Program Disabled\r\n"
               "- Shutting Down PC Disabled\r\n- Execute Backup Profile Disabled\r\n"
               "* Preparing backup...reading folders and files...Please wait...\r\n";
    }
};

TEST_F(WindowRunTest, APreviewLogsEveryFileItWouldCopyAndTouchesNothing) {
    auto window = startedWindow();
    runBy(*window, "cmdPreview");
    EXPECT_EQ(window->log().text(),
              "\r\n*** Preview BACKUP Started at 2016-06-21 10:00:00\r\n" + settingsLines() +
                  "* Copying files at 2016-06-21 10:00:00\r\n"
                  "From-> " +
                  (temp / "disk/src/sub/b.txt") + "\r\nTo-> " + (temp / "disk/dst/src/sub/b.txt") +
                  "\r\nFrom-> " + (temp / "disk/src/a.txt") + "\r\nTo-> " +
                  (temp / "disk/dst/src/a.txt") +
                  "\r\n2 Files will be copied.\r\nThe time it took to preview-> 00:00:01\r\n\r\n");
    EXPECT_FALSE(temp.exists("disk/dst/src"));
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(labelText(*window, "lblPercent"), "2 Files will be copied.");
    EXPECT_EQ(find<QComboBox>(*window, "cmbSourceHistory")->count(), 0);
    EXPECT_EQ(window->log().maxLength(), 0u);
}

TEST_F(WindowRunTest, ABackupCopiesLogsPlaysItsSoundsAndAddsTheFoldersToTheHistories) {
    auto window = startedWindow();
    expectConfirmation();
    runBy(*window, "cmdBackItUp");
    EXPECT_EQ(window->log().text(),
              "\r\n*** BACKUP Started at 2016-06-21 10:00:00\r\n" + settingsLines() +
                  "* Copying files at 2016-06-21 10:00:00... Please wait...\r\n"
                  "All Files Copied (2)\r\n"
                  "The time it took to make this backup was-> 00:00:01\r\n\r\n");
    EXPECT_EQ(temp.readFile("disk/dst/src/a.txt"), "aaa");
    EXPECT_EQ(temp.readFile("disk/dst/src/sub/b.txt"), "bbbb");
    EXPECT_EQ(sound.played,
              (std::vector<std::string>{temp / "share/s1.wav", temp / "share/s2.wav"}));
    EXPECT_EQ(labelText(*window, "lblPercent"), "All Files Copied (2)");
    EXPECT_EQ(labelText(*window, "lblTotalFiles(1)"), "Total file count = 0");
    EXPECT_EQ(labelText(*window, "lblFreeSpace"),
              QString::fromStdString(temp / "disk") + " 2 Gb free of 8 Gb");
    auto* sourceHistory = find<QComboBox>(*window, "cmbSourceHistory");
    ASSERT_EQ(sourceHistory->count(), 1);
    EXPECT_EQ(sourceHistory->itemText(0), QString::fromStdString(temp / "disk/src"));
    EXPECT_EQ(window->state().cmbTargetHistory.items, std::vector<std::string>{temp / "disk/dst"});
}

TEST_F(WindowRunTest, CancelInTheMiddleLeavesWholeFilesAndAWindowReadyForTheNextRun) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        temp.writeFile(std::string("disk/src/") + name, name);
    fs.closeGate("c.txt");
    auto window = startedWindow();
    window->state().chkSubFolders.checked = false;
    const GateOpener opener{fs};
    expectConfirmation("\r\n\r\nTo: \r\n");
    QSignalSpy ended(window.get(), &MainWindow::runFinished);
    QTest::mouseClick(find<QWidget>(*window, "cmdBackItUp"), Qt::LeftButton);

    auto* cancel = find<QWidget>(*window, "cmdCancel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs.reached() && cancel->isEnabled(); }, 20000));
    const char* const runLocked[] = {"cmdBackItUp",    "cmdPreview", "cmdSaveOpen(0)",
                                     "cmdSaveOpen(1)", "frmSource",  "frmTarget",
                                     "frmOptions"};
    for (const char* name : runLocked)
        EXPECT_FALSE(find<QWidget>(*window, name)->isEnabled()) << name;
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(find<QWidget>(*window, "cmdBackItUp")->isEnabled());
    fs.openGate();
    waitForRun(*window, ended);

    // The file under way is cancelled before its data: not there, not counted, no error;
    // nothing half-made is left.
    std::vector<FolderEntry> left;
    fs.listFolder(temp / "disk/dst", left);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(temp.readFile("disk/dst/a.txt"), "a.txt");
    EXPECT_EQ(temp.readFile("disk/dst/b.txt"), "b.txt");
    EXPECT_EQ(labelText(*window, "lblPercent"), "* Backup Canceled - 2 of the 4 Files Copied.");
    EXPECT_EQ(window->log().text().find("Error Occured"), std::string::npos);
    EXPECT_TRUE(window->log().text().ends_with(
        "* Backup Canceled - 2 of the 4 Files Copied.\r\n"
        "The time it took to make this backup was-> 00:00:01\r\n\r\n"));
    EXPECT_EQ(sound.played.back(), temp / "share/s3.wav");
    for (const char* name : runLocked)
        EXPECT_TRUE(find<QWidget>(*window, name)->isEnabled()) << name;
    EXPECT_FALSE(find<QWidget>(*window, "imgView1")->isVisible());
    EXPECT_EQ(window->state().cmbSourceHistory.items.size(), 0u);
}

TEST_F(WindowRunTest, ClosingDuringARunCancelsItAndClosesWhenItHasEnded) {
    fs.closeGate("b.txt"); // the walk lists sub/b.txt first
    auto window = startedWindow();
    const GateOpener opener{fs};
    expectConfirmation();
    QSignalSpy ended(window.get(), &MainWindow::runFinished);
    QTest::mouseClick(find<QWidget>(*window, "cmdBackItUp"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs.reached(); }, 20000));
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(temp.exists("program/Tidecopy.ini"));
    fs.openGate();
    waitForRun(*window, ended);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(temp.exists("program/Tidecopy.ini"));
    EXPECT_FALSE(temp.exists("disk/dst/src/a.txt"));
}

TEST_F(WindowRunTest, AProfileSavedFromTheWindowOpensAgain) {
    auto window = startedWindow();
    window->options().chkLogUser = 1;
    const FileDialogRequest dialog{
        "",
        {{"Backup/Restore Profiles (*.prof)", "*.prof"}, {"All Files (*.*)", "*.*"}},
        temp / "program/Profiles",
        ""};
    FileDialogRequest save = dialog;
    save.title = "Save File";
    save.proposedName = "Tidecopy 16-06-21.prof";
    prompts.expectSaveFile(save, temp / "program/Profiles/job.one.prof");
    QTest::mouseClick(find<QWidget>(*window, "cmdSaveOpen(1)"), Qt::LeftButton);
    EXPECT_EQ(labelText(*window, "lblProfile"), "job");

    window->setFolder(Pane::Source, temp / "disk/other");
    window->options().PreserveExtension = "changed";
    FileDialogRequest open = dialog;
    open.title = "Open File";
    prompts.expectOpenFile(open, temp / "program/Profiles/job.one.prof");
    QTest::mouseClick(find<QWidget>(*window, "cmdSaveOpen(0)"), Qt::LeftButton);
    EXPECT_EQ(window->state().Dir1, temp / "disk/src");
    EXPECT_EQ(window->options().PreserveExtension, "bak");
    EXPECT_EQ(labelText(*window, "lblProfile"), "job");
    EXPECT_EQ(window->log().text(),
              "User saved profile job.one.prof\r\nUser opened profile job.one.prof\r\n");
}

// With or without an after-backup action, the one-time automation is used up by its run.
TEST_F(WindowRunTest, OneTimeAutomationRunsItsProfileShutsDownAfterTheLogAndIsUsedUp) {
    bool logWrittenFirst = false;
    power.onRequest = [&](PowerAction) {
        logWrittenFirst = temp.exists("program/Logs/Log 16-06-21 01.log") &&
                          temp.readFile("program/Logs/Log 16-06-21 01.log")
                              .ends_with("Shutdown PC Enabled: executing command...\r\n");
    };
    for (const std::int16_t shutdownMode : {std::int16_t{2}, std::int16_t{0}}) {
        SCOPED_TRACE(shutdownMode);
        OptionSet profile = automated(1);
        profile.ShutdownMode = shutdownMode;
        // Due, but an automated start makes no update check.
        fake.settingsStore.save("OrnCaldrix", "Tidecopy", "UseCounter", "6");
        web.fetched.clear();
        std::filesystem::remove_all(temp / "disk/dst/src");
        {
            auto window = automatedWindow(
                profile, [](QWidget*) { ADD_FAILURE() << "no countdown for one time"; });
            EXPECT_EQ(temp.readFile("disk/dst/src/sub/b.txt"), "bbbb");
            EXPECT_EQ(labelText(*window, "lblProfile"), "Default");
            EXPECT_TRUE(web.fetched.empty());
            window->close();
        }
        auto again = loadedWindow();
        EXPECT_EQ(again->options().chkExecute, 0);
        EXPECT_FALSE(again->runInProgress());
    }
    EXPECT_EQ(power.requests, std::vector<PowerAction>{PowerAction::ShutDown});
    EXPECT_TRUE(logWrittenFirst);
}

TEST_F(WindowRunTest, StoppingTheCountdownKeepsTheProgramOpen) {
    OptionSet profile = automated(0);
    profile.chkCloseProg = 1;
    QString shownText;
    auto window = automatedWindow(profile, [&](QWidget* dialog) {
        shownText = dialog->findChild<QLabel*>("Label1")->text();
        QTest::mouseClick(dialog->findChild<QWidget*>("qdButtons_H1"), Qt::LeftButton);
    });
    EXPECT_EQ(shownText, "Press Stop to cancel the Automation Process...");
    EXPECT_TRUE(window->log().text().ends_with(
        "Close Program Enabled: Closing Tidecopy Manually Canceled...\r\n"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->options().chkExecute, 1);
    EXPECT_FALSE(temp.exists("program/Tidecopy.ini.new"));
}

TEST_F(WindowRunTest, ACountdownThatRunsOutClosesTheProgramWithItsSettings) {
    OptionSet profile = automated(0);
    profile.chkCloseProg = 1;
    std::vector<QString> seconds;
    auto window = automatedWindow(profile, [&](QWidget* dialog) {
        auto* countdown = qobject_cast<CountdownDialog*>(dialog);
        for (int tick = 0; tick < 9; ++tick) {
            countdown->tick();
            seconds.push_back(dialog->findChild<QLabel*>("Label2")->text());
        }
    });
    ASSERT_EQ(seconds.size(), 9u);
    EXPECT_EQ(seconds.front(), "Process will continue in 8 seconds...");
    EXPECT_EQ(seconds.back(), "Process will continue in 0 seconds...");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(temp.readFile("program/Logs/Log 16-06-21 01.log")
                    .ends_with("Close Program Enabled: Closing Tidecopy...\r\n"));
    // The settings file holds the histories the run added before it closed the program.
    EXPECT_NE(temp.readFile("program/Tidecopy.ini").find(temp / "disk/dst"), std::string::npos);
}

TEST_F(WindowRunTest, TheSoundIconIsSilentWithoutSoundEffectsAndAfterAPreview) {
    struct Case {
        std::int16_t chkNoSoundEffect;
        bool previewFirst;
        std::size_t played;
    };
    for (const Case& c : {Case{0, false, 1}, Case{1, false, 0}, Case{0, true, 0}}) {
        sound.played.clear();
        auto window = startedWindow();
        window->options().chkNoSoundEffect = c.chkNoSoundEffect;
        if (c.previewFirst)
            runBy(*window, "cmdPreview");
        QTest::mouseClick(find<QWidget>(*window, "Image1"), Qt::LeftButton);
        EXPECT_EQ(sound.played.size(), c.played) << c.chkNoSoundEffect << c.previewFirst;
    }
}

} // namespace
} // namespace tidecopy
