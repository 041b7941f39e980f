#include "widgets/ProductColor.h"

#include <QApplication>
#include <QPalette>

namespace tidecopy {

QColor colorOf(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits & 0x80000000u) != 0)
        return QApplication::palette().color(QPalette::Base);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

} // namespace tidecopy
