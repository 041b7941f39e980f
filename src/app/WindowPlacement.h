#pragma once

#include <QList>
#include <QRect>

namespace tidecopy {

// The areas of the screens a window may cover (without task bars and panels).
struct ScreenAreas {
    QList<QRect> available;
    QRect primary;
};

// The screens of the running system.
ScreenAreas currentScreenAreas();

// Where a window frame goes: on the screen it overlaps most (the primary one when it is
// on none), no larger than that screen's area, and wholly on it.
struct Placement {
    QRect frame;
    QRect area; // of the screen chosen
};
Placement placedOnScreen(const QRect& frame, const ScreenAreas& screens);

} // namespace tidecopy
