#pragma once
// The light-and-shadow frame of a borderless window: light lines along the left and top edges,
// grey ones along the right and bottom, each doubled one step inside. The frame is drawn for the
// window's size at the call; a window that changes size calls it again.

class QWidget;

namespace zarle {

void DrawFormEdgeLines(QWidget& frm);

} // namespace zarle
