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

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Notes what the next message box shows and answers it with that button.
void answerNextBox(ShownBox& shown, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&shown, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->text(), box->icon()};
        box->button(button)->click();
    });
}

TEST(QtPrompts, ABoxWithoutATitleCarriesTheProgramName) {
    QtPrompts prompts;
    ShownBox shown;
    answerNextBox(shown, QMessageBox::No);
    EXPECT_EQ(
        prompts.message("", "Line one\r\nLine two", PromptButtons::YesNo, PromptIcon::Question),
        PromptAnswer::No);
    EXPECT_EQ(shown.title, "Tidecopy");
    EXPECT_EQ(shown.text, "Line one\nLine two");
}

TEST(QtPrompts, TitlesIconsAndAnswersAsGiven) {
    QtPrompts prompts;
    ShownBox shown;
    answerNextBox(shown, QMessageBox::Cancel);
    EXPECT_EQ(prompts.message("Backup", "Go?", PromptButtons::YesNoCancel, PromptIcon::Information),
              PromptAnswer::Cancel);
    EXPECT_EQ(shown.title, "Backup");
    EXPECT_EQ(shown.icon, QMessageBox::Information);
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
