#pragma once

#include <QColor>
#include <cstdint>

namespace tidecopy {

// A colour value as settings files keep it: 0x00BBGGRR, or 0x800000nn naming system
// colour nn (shown as the list background).
QColor colorOf(std::int32_t value);

} // namespace tidecopy
