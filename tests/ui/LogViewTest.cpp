#include "log/ui/LogView.h"

#include "log/ActivityLog.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

QString shown(const std::string_view text) {
    return QString::fromStdString(std::string(text)).replace("\r\n", "\n");
}

TEST(LogView, AppendsLandAtTheEnd) {
    ActivityLog log;
    log.append("first\r\n");
    LogView view(log);
    log.append("second line\r\n");
    log.append("third, ");
    log.append("\xC3\xA9t\xC3\xA9\r");
    log.append("\nlast");
    EXPECT_EQ(view.toPlainText(), "first\nsecond line\nthird, \xC3\xA9t\xC3\xA9\nlast");
    EXPECT_EQ(view.toPlainText(), shown(log.text()));
}

TEST(LogView, TextTheLimitDropsLeavesTheStart) {
    ActivityLog log;
    LogView view(log);
    log.setMaxLength(30);
    for (int i = 0; i < 50; ++i)
        log.append("line \xF0\x9F\x98\x80 " + std::to_string(i) + "\r\n");
    EXPECT_EQ(view.toPlainText(), shown(log.text()));
    EXPECT_TRUE(view.toPlainText().endsWith("49\n"));
}

// The user's edits reach the log when asked for (before a save) and by themselves once
// typing pauses.
TEST(LogView, ReadOnlyUntilUnlockedAndEditsGoBackToTheLog) {
    for (const bool pause : {false, true}) {
        SCOPED_TRACE(pause);
        ActivityLog log;
        log.append("one\r\ntwo\r\n");
        log.clearLogDirty();
        LogView view(log);
        EXPECT_TRUE(view.isReadOnly());
        view.setReadOnly(false);
        view.moveCursor(QTextCursor::End);
        QTest::keyClicks(&view, "three");
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClicks(&view, "four");
        // Undo would take back the program's own lines as well: there is none.
        QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
        if (pause)
            QTest::qWait(400);
        else
            view.flushEdits();
        EXPECT_EQ(log.text(), "one\r\ntwo\r\nthree\r\nfour");
        EXPECT_TRUE(log.LogDirty());
        // The program's appends after an edit still land after the user's text.
        log.append("\r\nfive\r\n");
        EXPECT_EQ(view.toPlainText(), "one\ntwo\nthree\nfour\nfive\n");
    }
}

TEST(LogView, ReplacingTheLogReplacesTheView) {
    ActivityLog log;
    log.append("old text\r\n");
    LogView view(log);
    log.replaceText("new\r\n");
    EXPECT_EQ(view.toPlainText(), "new\n");
}

TEST(LogView, ALongLogStaysWhole) {
    ActivityLog log;
    LogView view(log);
    for (int i = 0; i < 20000; ++i)
        log.append("From-> /data/file" + std::to_string(i) + "\r\n");
    EXPECT_EQ(view.document()->blockCount(), 20001);
    EXPECT_EQ(view.toPlainText(), shown(log.text()));
}

} // namespace
} // namespace tidecopy
