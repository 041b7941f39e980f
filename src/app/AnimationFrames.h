#pragma once

#include <QPixmap>
#include <array>

class QPalette;

namespace tidecopy {

// The five pictures of the run's animation (imgani1): a ring of five dots, one of them
// lit, the lit dot moving round from picture to picture.
std::array<QPixmap, 5> imgani1Frames(int size, const QPalette& palette);

} // namespace tidecopy
