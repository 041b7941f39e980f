#include "app/QtPrompts.h"

#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
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

TEST(QtPrompts, TheSaveDialogShowsTheRequestAndAnswersThePathChosen) {
    test::TempFolder temp;
    temp.writeFile("Profiles/old.prof", "");
    QtPrompts prompts;
    QString title;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        // No question of its own about the existing file: that is the caller's.
        dialog->selectFile("old.prof");
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    const std::optional<std::string> chosen = prompts.saveFile(
        {"Save File",
         {{"Backup/Restore Profiles (*.prof)", "*.prof"}, {"All Files (*.*)", "*.*"}},
         temp / "Profiles",
         "Tidecopy 16-06-21.prof"});
    EXPECT_EQ(chosen, temp / "Profiles/old.prof");
    EXPECT_EQ(title, "Save File");
    EXPECT_EQ(filters, (QStringList{"Backup/Restore Profiles (*.prof)", "All Files (*)"}));
}

TEST(QtPrompts, ACancelledFileDialogAnswersNothing) {
    QtPrompts prompts;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(prompts.openFile({"Open File", {{"All Files (*.*)", "*.*"}}, "/", ""}), std::nullopt);
}

} // namespace
} // namespace tidecopy
