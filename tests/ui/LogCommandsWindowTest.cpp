#include "MainWindowFixture.h"
#include "config/ProfileDialogs.h"
#include "log/ui/FindDialog.h"
#include "log/ui/LogPanel.h"
#include "log/ui/LogView.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

const std::string askNew = "The Log has not been saved.\r\n\r\nDo you want to start a New Log?";

// The log's commands in a started window on 21 June 2016.
class LogCommandsWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        window = loadedWindow();
        panel = find<LogPanel>(*window, "frmLog");
        view = panel->view();
        menu = find<QMenu>(*window, "mnuLogOption");
    }

    // The filters are spelled out in the core's test.
    FileDialogRequest logDialog(std::string title, std::string proposedName) const {
        return {std::move(title), fileFiltersOf(FileKind::LogFiles), environment.logsFolder(),
                std::move(proposedName)};
    }
    FindDialog* findDialog() { return window->findChild<FindDialog*>("frmFind"); }
    void pressButton(const QString& name, QWidget* in) {
        auto* button = in->findChild<OwnerDrawnButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString selected() const { return view->textCursor().selectedText(); }

    std::unique_ptr<MainWindow> window;
    LogPanel* panel = nullptr;
    LogView* view = nullptr;
    QMenu* menu = nullptr;
};

// An item number below 90 runs cmdLogoption(number / 10 - 1); Exit Menu does nothing.
TEST_F(LogCommandsWindowTest, TheMenuItemsAndTheButtonsRunTheSameCommands) {
    struct Case {
        int item;
        std::function<void(test::ScriptedPrompts&)> expect;
        bool findShown;
    };
    const Case cases[] = {
        {10,
         [this](test::ScriptedPrompts& p) {
             p.expectOpenFile(logDialog("Open File", "Log 16-06-21.log"), std::nullopt);
         },
         false},
        {20,
         [this](test::ScriptedPrompts& p) {
             p.expectSaveFile(logDialog("Save File", "Log 16-06-21.log"), std::nullopt);
         },
         false},
        {30,
         [](test::ScriptedPrompts& p) {
             p.expectMessage("Print Log", "Do you want to print the Log?", PromptButtons::YesNo,
                             PromptAnswer::No);
         },
         false},
        {40,
         [](test::ScriptedPrompts& p) {
             p.expectMessage("New Log", askNew, PromptButtons::YesNo, PromptAnswer::No);
         },
         false},
        {50, [](test::ScriptedPrompts&) {}, true},
        {1000, [](test::ScriptedPrompts&) {}, false},
    };
    window->log().append("*** BACKUP Started\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        for (const bool byButton : {false, true}) {
            if (byButton && c.item > 50)
                continue;
            c.expect(prompts);
            if (byButton)
                pressButton(elementName("cmdLogoption", c.item / 10 - 1), window.get());
            else
                menuItem(menu, c.item)->trigger();
            EXPECT_TRUE(prompts.done());
            EXPECT_EQ(findDialog() != nullptr && findDialog()->isVisible(), c.findShown);
            if (findDialog())
                delete findDialog();
        }
    }
    EXPECT_EQ(view->toPlainText(), "*** BACKUP Started\n");
}

// The frame's caption names the opened or saved file; a new log has none. Edits still
// waiting go into the saved file.
TEST_F(LogCommandsWindowTest, TheFrameNamesTheLogFileAndSaveTakesPendingEdits) {
    temp.writeFile("program/Logs/Log 16-06-21 01.log", "opened\r\nlog\r\n");
    prompts.expectOpenFile(logDialog("Open File", "Log 16-06-21.log"),
                           temp / "program/Logs/Log 16-06-21 01.log");
    menuItem(menu, 10)->trigger();
    EXPECT_EQ(panel->caption(), "         - Log 16-06-21 01");
    EXPECT_EQ(panel->title(), "Activity log - Log 16-06-21 01");
    EXPECT_EQ(panel->accessibleName(), panel->title());
    EXPECT_EQ(view->toPlainText(), "opened\nlog\n");
    EXPECT_EQ(view->textCursor().position(), 0);
    // Showing the opened text is no edit of the user's: the log stays saved.
    QTest::qWait(400);
    EXPECT_FALSE(window->log().LogDirty());

    window->unlockLog();
    view->moveCursor(QTextCursor::End);
    QTest::keyClicks(view, "typed");
    prompts.expectSaveFile(logDialog("Save File", "Log 16-06-21 01.log"),
                           temp / "program/Logs/mine.txt");
    pressButton("cmdLogoption(1)", window.get());
    EXPECT_EQ(temp.readFile("program/Logs/mine.txt"), "opened\r\nlog\r\ntyped");
    EXPECT_EQ(panel->title(), "Activity log - mine");

    // Saved: New asks nothing.
    menuItem(menu, 40)->trigger();
    EXPECT_EQ(panel->caption(), "        ");
    EXPECT_EQ(panel->title(), "Activity log");
    EXPECT_TRUE(view->toPlainText().isEmpty());
}

// Expanded, the log takes the window's central area in 8 points; restored (by the
// menu, the picture or a press on the expanded frame) it is back in its place in 7.
TEST_F(LogCommandsWindowTest, ExpandingAndRestoringTheLogView) {
    window->resize(1000, 700);
    QWidget* source = find<QWidget>(*window, "frmSource");
    const QRect normal = panel->geometry();
    EXPECT_EQ(view->font().pointSize(), 7);

    struct Step {
        std::function<void()> act;
        bool expanded;
    };
    auto* picture = find<QWidget>(*window, "imgExpand");
    const Step steps[] = {
        {[&] { QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(1, panel->height() / 2)); },
         false},
        {[&] { menuItem(menu, 90)->trigger(); }, true},
        {[&] { QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(1, panel->height() / 2)); },
         false},
        {[&] { QTest::mouseClick(picture, Qt::LeftButton); }, true},
        {[&] { window->log().append("later text\r\n"); }, true},
        {[&] { QTest::mouseClick(picture, Qt::LeftButton); }, false},
    };
    int number = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(number++);
        step.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(view->font().pointSize(), step.expanded ? 8 : 7);
        EXPECT_EQ(source->isVisible(), !step.expanded);
        EXPECT_EQ(find<QWidget>(*window, "cmdBackItUp")->isVisible(), !step.expanded);
        if (step.expanded) {
            EXPECT_LT(panel->y(), source->height());
            EXPECT_GT(panel->width(), window->width() * 9 / 10);
            EXPECT_GT(panel->height(), window->height() * 3 / 4);
            // The status strip stays below.
            EXPECT_TRUE(find<QWidget>(*window, "Image1")->isVisible());
        } else {
            EXPECT_EQ(panel->geometry(), normal);
        }
    }
}

// Find selects the first occurrence with its blank, Find Next the second, then there
// are no more; the dialog is one, keeps the word and leaves the focus to the log.
TEST_F(LogCommandsWindowTest, FindAndFindNextWalkThroughTheLog) {
    window->log().append("copy this Word and that word\r\nend\r\n");
    menuItem(menu, 50)->trigger();
    FindDialog* dialog = findDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->findChild<OwnerDrawnButton*>("cmdfindnext")->isEnabled());
    auto* word = dialog->findChild<QLineEdit*>("Text1");
    EXPECT_TRUE(word->text().isEmpty());

    pressButton("cmdFind", dialog); // an empty word does nothing
    EXPECT_TRUE(selected().isEmpty());
    word->setText("word");
    pressButton("cmdFind", dialog);
    EXPECT_EQ(selected(), "Word ");
    EXPECT_EQ(window->focusWidget(), view);
    EXPECT_TRUE(dialog->findChild<OwnerDrawnButton*>("cmdfindnext")->isEnabled());
    pressButton("cmdfindnext", dialog);
    EXPECT_EQ(selected(), "word");
    EXPECT_EQ(view->textCursor().selectionStart(), 24);
    prompts.expectMessage("", "No more occurances of this word.", PromptButtons::Ok);
    pressButton("cmdfindnext", dialog);
    EXPECT_TRUE(prompts.done());

    // Search in log brings the one dialog forward.
    pressButton("cmdLogoption(4)", window.get());
    EXPECT_EQ(window->findChildren<FindDialog*>().size(), 1);
    // Closed and opened again, it offers the last word and Find Next.
    pressButton("cmdClose", dialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(findDialog(), nullptr);
    menuItem(menu, 50)->trigger();
    ASSERT_NE(findDialog(), nullptr);
    EXPECT_EQ(findDialog()->findChild<QLineEdit*>("Text1")->text(), "word");
    EXPECT_TRUE(findDialog()->findChild<OwnerDrawnButton*>("cmdfindnext")->isEnabled());
    // A screen reader's press runs Find too.
    QAccessibleInterface* find = QAccessible::queryAccessibleInterface(
        findDialog()->findChild<OwnerDrawnButton*>("cmdFind"));
    find->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(50);
    EXPECT_EQ(selected(), "Word ");
}

// The log is printed into a PDF of the test's own; a job that cannot be written fails.
TEST_F(LogCommandsWindowTest, PrintingWritesTheLogIntoThePdf) {
    window->log().append("*** BACKUP Started at 21/06/2016\r\n");
    prompts.expectMessage("Print Log", "Do you want to print the Log?", PromptButtons::YesNo,
                          PromptAnswer::Yes);
    pressButton("cmdLogoption(2)", window.get());
    EXPECT_TRUE(prompts.done());
    EXPECT_TRUE(temp.readFile("log.pdf").starts_with("%PDF"));

    QtLogPrinter nowhere(QString::fromStdString(temp / "no such folder/log.pdf"));
    EXPECT_EQ(nowhere.print("text\r\n"), PrintOutcome::Failed);
}

} // namespace
} // namespace tidecopy
