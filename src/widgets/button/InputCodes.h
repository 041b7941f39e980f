#pragma once

#include <Qt>

namespace tidecopy {

// The numbers the button's events carry, as the product's windows know them.

// Key codes: letters and digits as their upper-case characters, Space 32, Enter 13,
// Escape 27, Shift 16, the arrows 37 to 40, F1 112 and so on; 0 for a key without one.
int keyCodeOf(int qtKey);
constexpr int keyEnter = 13;
constexpr int keyShift = 16;
constexpr int keyEscape = 27;
constexpr int keySpace = 32;
constexpr bool isArrowKeyCode(int code) {
    return code >= 37 && code <= 40;
}

// Shift 1, Ctrl 2, Alt 4.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

// Left 1, right 2, middle 4; 0 for any other.
int mouseButtonOf(Qt::MouseButton button);

// The pointer for a MousePointer code (1..15); 0, 99 and unknown codes give the default.
Qt::CursorShape cursorShapeOf(int code);

} // namespace tidecopy
