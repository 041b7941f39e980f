#include "app/QtPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(QtPrompts, ABoxWithoutATitleCarriesTheProgramName) {
    QtPrompts prompts;
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(
        prompts.message("", "Line one\r\nLine two", PromptButtons::YesNo, PromptIcon::Question),
        PromptAnswer::No);
    EXPECT_EQ(title, "Tidecopy");
    EXPECT_EQ(text, "Line one\nLine two");
}

TEST(QtPrompts, TitlesIconsAndAnswersAsGiven) {
    QtPrompts prompts;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        icon = box->icon();
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(prompts.message("Backup", "Go?", PromptButtons::YesNoCancel, PromptIcon::Information),
              PromptAnswer::Cancel);
    EXPECT_EQ(title, "Backup");
    EXPECT_EQ(icon, QMessageBox::Information);
}

} // namespace
} // namespace tidecopy
