#include "engine/ui/frmMessage.h"

#include "widgets/button/qdButtons_H.h"

#include <QLabel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// Each case acts on the shown countdown from within its own event loop.
TEST(frmMessage, RunsOutAfterNineTicksUnlessStoppedOrClosed) {
    struct Case {
        const char* what;
        std::function<void(frmMessage&)> act;
        bool stopped;
    };
    const Case cases[] = {
        {"nine ticks",
         [](frmMessage& dialog) {
             for (int tick = 0; tick < 9; ++tick)
                 dialog.Timer1_Timer();
         },
         false},
        {"Stop",
         [](frmMessage& dialog) { emit dialog.findChild<qdButtons_H*>()->MouseDown(1, 0, 1, 1); },
         true},
        {"closed", [](frmMessage& dialog) { dialog.close(); }, true},
    };
    for (const Case& c : cases) {
        frmMessage dialog(nullptr);
        QTimer::singleShot(0, &dialog, [&] { c.act(dialog); });
        EXPECT_EQ(dialog.countdownStopped(), c.stopped) << c.what;
    }
}

TEST(frmMessage, CountsDownFromEight) {
    frmMessage dialog(nullptr);
    auto* label = dialog.findChild<QLabel*>("Label2");
    EXPECT_EQ(label->text(), "Process will continue in seconds");
    dialog.Timer1_Timer();
    EXPECT_EQ(label->text(), "Process will continue in 8 seconds...");
}

} // namespace
} // namespace tidecopy
