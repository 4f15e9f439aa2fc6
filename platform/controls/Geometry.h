#pragma once
// A control's place and size in its container, in twips or pixels. For a window these are
// its outer edges on the screen, title bar and border included.

#include "platform/units/Twips.h"

class QWidget;

namespace zarle {

struct Bounds {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

Bounds BoundsOf(const QWidget& control, ScaleUnit mode);
void SetBounds(QWidget& control, const Bounds& bounds, ScaleUnit mode);
void MoveControl(QWidget& control, double left, double top, ScaleUnit mode);
void ResizeControl(QWidget& control, double width, double height, ScaleUnit mode);

// 0 brings the control in front of its siblings, 1 sends it behind them.
void ZOrder(QWidget& control, int position = 0);

} // namespace zarle
