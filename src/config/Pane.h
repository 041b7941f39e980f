#pragma once

namespace tidecopy {

// One of the two file-manager panes, numbered as the product numbers them: the source
// pane (frmSource, Dir1, File1, the source history) and the destination pane
// (frmTarget, Dir2, File2, the destination history).
enum class Pane { Source = 1, Destination = 2 };

inline constexpr Pane bothPanes[] = {Pane::Source, Pane::Destination};

// 0 for the source pane, 1 for the destination: the index of its controls in their arrays.
inline constexpr int indexOf(Pane pane) {
    return pane == Pane::Source ? 0 : 1;
}

} // namespace tidecopy
