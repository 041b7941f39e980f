#include <QApplication>
#include <gtest/gtest.h>

// Widgets are tested without a display, also when the environment does not say so, on a
// screen of a common size (the toolkit's own offscreen screen is smaller than the window).
int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TIDECOPY_OFFSCREEN_SCREEN);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
