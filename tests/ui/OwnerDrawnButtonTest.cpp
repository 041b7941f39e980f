#include "widgets/button/OwnerDrawnButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(OwnerDrawnButton, CaptionIsWhatScreenReadersSay) {
    OwnerDrawnButton button;
    button.setCaption("Copy &The Files && more||now");
    EXPECT_EQ(button.Caption(), "Copy &The Files && more||now");
    EXPECT_EQ(button.accessibleName(), "Copy The Files & more now");
}

// A screen reader's or switch device's press; a disabled button offers none.
void pressAccessibly(OwnerDrawnButton& button) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    if (actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        actions->doAction(QAccessibleActionInterface::pressAction());
}

// A window acting on Pressed acts once for each press, however it is made; every mouse
// button raises MouseDown, only the left one clicks.
TEST(OwnerDrawnButton, EveryWayOfPressingPressesOnce) {
    struct Way {
        const char* name;
        int key; // 0: a mouse button; -1: an assistive technology's press
        Qt::KeyboardModifiers modifiers = {};
        Qt::MouseButton mouseButton = Qt::LeftButton;
    };
    const Way ways[] = {{"right mouse button", 0, {}, Qt::RightButton},
                        {"left mouse button with Shift", 0, Qt::ShiftModifier},
                        {"Space", Qt::Key_Space},
                        {"Enter", Qt::Key_Return},
                        {"Enter of the keypad", Qt::Key_Enter, Qt::KeypadModifier},
                        {"access key", Qt::Key_P, Qt::AltModifier},
                        {"assistive technology", -1}};
    QWidget window;
    auto* button = new OwnerDrawnButton(&window);
    button->setCaption("&Preview");
    button->resize(80, 30);
    window.show();
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto press = [button](const Way& way) {
        if (way.key == 0)
            QTest::mouseClick(button, way.mouseButton, way.modifiers);
        else if (way.key < 0)
            pressAccessibly(*button);
        else
            QTest::keyClick(button, Qt::Key(way.key), way.modifiers);
    };
    QSignalSpy pressed(button, &OwnerDrawnButton::Pressed);
    QSignalSpy mouseDown(button, &OwnerDrawnButton::MouseDown);
    QSignalSpy click(button, &OwnerDrawnButton::Click);
    for (const Way& way : ways) {
        const qsizetype before = pressed.count();
        press(way);
        // A press without the mouse may show the pressed look a moment first.
        EXPECT_TRUE(QTest::qWaitFor([&] { return pressed.count() > before; }, 1000)) << way.name;
        QTest::qWait(150);
        EXPECT_EQ(pressed.count(), before + 1) << way.name;
    }
    // Button numbers 2 and 1, Shift 1; the right button made no Click.
    ASSERT_EQ(mouseDown.count(), 2);
    EXPECT_EQ(mouseDown.at(0).mid(0, 2), (QList<QVariant>{2, 0}));
    EXPECT_EQ(mouseDown.at(1).mid(0, 2), (QList<QVariant>{1, 1}));
    EXPECT_EQ(click.count(), pressed.count() - 1);
    button->setEnabledState(false);
    const qsizetype enabledPresses = pressed.count();
    for (const Way& way : ways)
        press(way);
    QTest::qWait(150);
    EXPECT_EQ(pressed.count(), enabledPresses) << "a disabled button stays quiet";
}

} // namespace
} // namespace tidecopy
