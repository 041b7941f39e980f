#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// A laptop's screen (less its task bar) with a monitor to its right.
TEST(WindowPlacement, AWindowEndsUpWhollyOnOneScreen) {
    const QRect laptop(0, 0, 1366, 740);
    const QRect monitor(1366, 0, 1920, 1050);
    const ScreenAreas both{{laptop, monitor}, laptop};
    const ScreenAreas laptopAlone{{laptop}, laptop};
    struct Case {
        const char* name;
        QRect frame;
        const ScreenAreas& screens;
        QRect placed;
    };
    const Case cases[] = {
        {"fits where it is", {100, 50, 1000, 600}, both, {100, 50, 1000, 600}},
        {"past the right edge", {900, 50, 1000, 600}, laptopAlone, {366, 50, 1000, 600}},
        {"above and left of the screen", {-40, -20, 1000, 600}, both, {0, 0, 1000, 600}},
        {"mostly on the monitor", {1300, 100, 1000, 600}, both, {1366, 100, 1000, 600}},
        {"on a monitor no longer there",
         {2000, 100, 1000, 600},
         laptopAlone,
         {366, 100, 1000, 600}},
        {"larger than its screen", {50, 50, 1200, 800}, laptopAlone, {50, 0, 1200, 740}},
        {"larger than every screen", {0, 0, 2000, 1200}, laptopAlone, laptop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placedOnScreen(c.frame, c.screens).frame, c.placed);
    }
    EXPECT_EQ(placedOnScreen({1300, 100, 1000, 600}, both).area, monitor);
}

} // namespace
} // namespace tidecopy
