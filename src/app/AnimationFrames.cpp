#include "app/AnimationFrames.h"

#include <QPainter>
#include <QPalette>
#include <cmath>
#include <numbers>

namespace tidecopy {

std::array<QPixmap, 5> imgani1Frames(int size, const QPalette& palette) {
    std::array<QPixmap, 5> frames;
    const double centre = size / 2.0;
    const double dot = size / 5.0;
    const double radius = centre - dot / 2.0 - 1.0;
    for (std::size_t lit = 0; lit < frames.size(); ++lit) {
        QPixmap frame(size, size);
        frame.fill(Qt::transparent);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const double angle =
                2.0 * std::numbers::pi * static_cast<double>(i) / 5.0 - std::numbers::pi / 2.0;
            painter.setBrush(i == lit ? palette.color(QPalette::Highlight)
                                      : palette.color(QPalette::Mid));
            painter.drawEllipse(
                QPointF(centre + radius * std::cos(angle), centre + radius * std::sin(angle)),
                dot / 2.0, dot / 2.0);
        }
        frames[lit] = frame;
    }
    return frames;
}

} // namespace tidecopy
