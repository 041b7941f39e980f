#include "engine/ui/CountdownDialog.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// Running out and Stop are seen through the window's automation tests.
TEST(CountdownDialog, ClosingItStopsTheCountdown) {
    CountdownDialog dialog(nullptr);
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_TRUE(dialog.countdownStopped());
}

// A screen reader reads both lines as they stand.
TEST(CountdownDialog, CountsDownFromEight) {
    CountdownDialog dialog(nullptr);
    const auto spoken = [&dialog](const char* name) {
        return QAccessible::queryAccessibleInterface(dialog.findChild<QLabel*>(name))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(spoken("Label1"), "Press Stop to cancel the Automation Process...");
    EXPECT_EQ(spoken("Label2"), "Process will continue in seconds");
    dialog.tick();
    EXPECT_EQ(spoken("Label2"), "Process will continue in 8 seconds...");
    // The ninth second ends it.
    for (int second = 2; second <= 8; ++second)
        dialog.tick();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.tick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace tidecopy
