#pragma once
// Keys as the game's handlers know them: the classic virtual-key codes (F2 = 113,
// keypad 0 = 96, Enter = 13) and a Shift argument with bit 1 Shift, 2 Ctrl, 4 Alt.

#include <Qt>

class QKeyEvent;

namespace zarle {

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// The virtual-key code of a key; 0 for keys the game has no code for.
int VbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int VbKeyCode(const QKeyEvent& event);

// The Shift argument of the key and mouse handlers.
int VbShift(Qt::KeyboardModifiers modifiers);

// The character code of a typed key (KeyPress); 0 when it types nothing.
int VbKeyAscii(const QKeyEvent& event);

} // namespace zarle
