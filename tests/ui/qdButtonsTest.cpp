#include "widgets/button/qdButtons_H.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(qdButtons_H, CaptionIsWhatScreenReadersSay) {
    qdButtons_H button;
    button.setCaption("Copy &The Files && more||now");
    EXPECT_EQ(button.Caption(), "Copy &The Files && more||now");
    EXPECT_EQ(button.accessibleName(), "Copy The Files & more now");
}

TEST(qdButtons_H, EveryMouseButtonRaisesMouseDownOnlyTheLeftOneClicks) {
    qdButtons_H button;
    button.setCaption("Go");
    button.resize(80, 30);
    QSignalSpy mouseDown(&button, &qdButtons_H::MouseDown);
    QSignalSpy click(&button, &qdButtons_H::Click);
    QTest::mouseClick(&button, Qt::RightButton);
    ASSERT_EQ(mouseDown.count(), 1);
    EXPECT_EQ(mouseDown.at(0).at(0).toInt(), 2);
    EXPECT_EQ(click.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(mouseDown.count(), 2);
    EXPECT_EQ(mouseDown.at(1).at(0).toInt(), 1);
    EXPECT_EQ(mouseDown.at(1).at(1).toInt(), 1);
    EXPECT_EQ(click.count(), 1);
    EXPECT_FALSE(button.clickCameFromKeyboard());
}

TEST(qdButtons_H, SpaceClicksFromTheKeyboardAndDisabledButtonsStayQuiet) {
    qdButtons_H button;
    QSignalSpy click(&button, &qdButtons_H::Click);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(click.count(), 1);
    EXPECT_TRUE(button.clickCameFromKeyboard());
    button.setEnabledState(false);
    EXPECT_FALSE(button.Enabled());
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(click.count(), 1);
}

} // namespace
} // namespace tidecopy
