#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace tidecopy {

namespace {

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

} // namespace

ScreenAreas currentScreenAreas() {
    ScreenAreas screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.available.append(screen->availableGeometry());
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens.primary = primary->availableGeometry();
    return screens;
}

Placement placedOnScreen(const QRect& frame, const ScreenAreas& screens) {
    QRect area = screens.primary;
    long long most = 0;
    for (const QRect& candidate : screens.available) {
        if (const long long covered = overlap(frame, candidate); covered > most) {
            most = covered;
            area = candidate;
        }
    }
    if (area.isEmpty())
        return {frame, area};
    const QSize size = frame.size().boundedTo(area.size());
    const int left = std::clamp(frame.left(), area.left(), area.right() + 1 - size.width());
    const int top = std::clamp(frame.top(), area.top(), area.bottom() + 1 - size.height());
    return {QRect(QPoint(left, top), size), area};
}

} // namespace tidecopy
