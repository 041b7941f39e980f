#pragma once

#include <QIcon>

namespace tidecopy {

// The program's icon for its windows' title bars and the taskbar, drawn from the SVG the
// desktop's icon theme gets too, at the sizes window managers ask for.
QIcon programIcon();

} // namespace tidecopy
