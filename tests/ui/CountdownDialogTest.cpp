#include "engine/ui/CountdownDialog.h"

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

TEST(CountdownDialog, CountsDownFromEight) {
    CountdownDialog dialog(nullptr);
    auto* label = dialog.findChild<QLabel*>("Label2");
    EXPECT_EQ(label->text(), "Process will continue in seconds");
    dialog.tick();
    EXPECT_EQ(label->text(), "Process will continue in 8 seconds...");
    // The ninth second ends it.
    for (int second = 2; second <= 8; ++second)
        dialog.tick();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.tick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace tidecopy
