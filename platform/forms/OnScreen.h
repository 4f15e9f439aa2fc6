#pragma once
// Windows wholly on the screen: every window the program shows opens inside its screen's
// available area (over the window it belongs to, unless its place was chosen), and a window kept
// on top steps aside from a window that waits for an answer under it.

#include <QMargins>
#include <QRect>

class QApplication;
class QWidget;

namespace zarle {

// Where a window's frame goes to lie inside `area`: moved as little as it takes, and made smaller
// only where it is larger than the area. Screen pixels.
QRect FrameInside(const QRect& frame, const QRect& area);

// Where a window kept on top goes so that it no longer covers `other`: beside it on the side with
// room, inside `area`; nothing when there is no such room.
QRect FrameBeside(const QRect& frame, const QRect& other, const QRect& area);

// Installs the rule for every window the application shows from now on; once is enough.
void KeepWindowsOnScreen(QApplication& app);
// A window that keeps its own place on the screen (the board) is left to it.
void LeaveToItself(QWidget& window);

} // namespace zarle
