#include "widgets/Commands.h"

#include "widgets/button/OwnerDrawnButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

enum class Way { LeftMouse, RightMouse, Space, AssistiveTechnology };

void press(OwnerDrawnButton& button, Way way) {
    switch (way) {
    case Way::LeftMouse:
        QTest::mouseClick(&button, Qt::LeftButton);
        break;
    case Way::RightMouse:
        QTest::mouseClick(&button, Qt::RightButton);
        break;
    case Way::Space:
        QTest::keyClick(&button, Qt::Key_Space);
        break;
    case Way::AssistiveTechnology:
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
        if (QAccessibleActionInterface* actions = accessible->actionInterface();
            actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            actions->doAction(QAccessibleActionInterface::pressAction());
        break;
    }
}

// A command's button is enabled while the command is, and triggers it once per press
// (any mouse button, the keyboard, a screen reader), or, acting on a click, once per
// click; a disabled command's button triggers nothing.
TEST(CommandButton, FollowsItsCommandAndTriggersItOnceForEachPressOrClick) {
    struct Case {
        ButtonTrigger trigger;
        Way way;
        bool enabled;
        int triggered;
    };
    const Case cases[] = {
        {ButtonTrigger::Press, Way::LeftMouse, true, 1},
        {ButtonTrigger::Press, Way::RightMouse, true, 1},
        {ButtonTrigger::Press, Way::Space, true, 1},
        {ButtonTrigger::Press, Way::AssistiveTechnology, true, 1},
        {ButtonTrigger::Click, Way::LeftMouse, true, 1},
        {ButtonTrigger::Click, Way::RightMouse, true, 0},
        {ButtonTrigger::Click, Way::AssistiveTechnology, true, 1},
        {ButtonTrigger::Press, Way::LeftMouse, false, 0},
        {ButtonTrigger::Press, Way::AssistiveTechnology, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.trigger) << " "
                                        << static_cast<int>(c.way) << " " << c.enabled);
        QWidget window;
        QAction* command = makeCommand(&window, "Run", true, "Runs it");
        OwnerDrawnButton* button = makeCommandButton(command, "cmdRun", &window, c.trigger);
        button->resize(80, 30);
        window.show();
        button->setFocus();
        command->setEnabled(c.enabled);
        EXPECT_EQ(button->isEnabled(), c.enabled);
        EXPECT_EQ(button->Caption(), "Run");
        EXPECT_EQ(button->toolTip(), "Runs it");
        QSignalSpy triggered(command, &QAction::triggered);
        press(*button, c.way);
        QTest::qWait(150);
        EXPECT_EQ(triggered.count(), c.triggered);
    }
    QWidget window;
    EXPECT_TRUE(
        makeCommandButton(makeCommand(&window, "Plain"), "cmdPlain", &window)->toolTip().isEmpty());
}

} // namespace
} // namespace tidecopy
