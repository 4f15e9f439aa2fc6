#include "platform/controls/Geometry.h"

#include <QWidget>

#include <algorithm>

namespace zarle {

namespace {

double TppX(const QWidget& w) {
    return TwipsPerPixelAt(w.logicalDpiX());
}
double TppY(const QWidget& w) {
    return TwipsPerPixelAt(w.logicalDpiY());
}

// What a window's frame adds to its inner size.
QSize FrameExtra(const QWidget& control) {
    if (!control.isWindow()) return {0, 0};
    return control.frameGeometry().size() - control.geometry().size();
}

QRect OuterRect(const QWidget& control) {
    return control.isWindow() ? control.frameGeometry() : control.geometry();
}

int PixelsX(const QWidget& w, double value, ScaleUnit mode) {
    return WholePixels(value, mode, TppX(w));
}
int PixelsY(const QWidget& w, double value, ScaleUnit mode) {
    return WholePixels(value, mode, TppY(w));
}

} // namespace

Bounds BoundsOf(const QWidget& control, ScaleUnit mode) {
    const QRect r = OuterRect(control);
    return {PixelsToScale(r.x(), mode, TppX(control)), PixelsToScale(r.y(), mode, TppY(control)),
            PixelsToScale(r.width(), mode, TppX(control)), PixelsToScale(r.height(), mode, TppY(control))};
}

void MoveControl(QWidget& control, double left, double top, ScaleUnit mode) {
    control.move(PixelsX(control, left, mode), PixelsY(control, top, mode));
}

void ResizeControl(QWidget& control, double width, double height, ScaleUnit mode) {
    const QSize extra = FrameExtra(control);
    control.resize(std::max(0, PixelsX(control, width, mode) - extra.width()),
                   std::max(0, PixelsY(control, height, mode) - extra.height()));
}

void SetBounds(QWidget& control, const Bounds& bounds, ScaleUnit mode) {
    MoveControl(control, bounds.left, bounds.top, mode);
    ResizeControl(control, bounds.width, bounds.height, mode);
}

void ZOrder(QWidget& control, int position) {
    if (position == 1)
        control.lower();
    else
        control.raise();
}

} // namespace zarle
