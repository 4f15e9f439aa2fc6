#include "platform/controls/ControlEvents.h"

#include "platform/input/KeyCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace zarle {

int VbButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return LeftButton;
    case Qt::RightButton: return RightButton;
    case Qt::MiddleButton: return MiddleButton;
    default: return 0;
    }
}

int VbButtons(Qt::MouseButtons buttons) {
    int held = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b) held |= VbButton(b);
    return held;
}

ControlEvents::ControlEvents(QWidget* surface) : surface_(surface) {}

MouseArgs ControlEvents::ArgsOf(const QMouseEvent& event, int button) const {
    const QPointF at = event.position();
    return {button, VbShift(event.modifiers()),
            float(PixelsToScale(at.x(), scale_, TwipsPerPixelAt(surface_->logicalDpiX()))),
            float(PixelsToScale(at.y(), scale_, TwipsPerPixelAt(surface_->logicalDpiY())))};
}

void ControlEvents::Press(const QMouseEvent& event) {
    clickPending_ = true;
    emit MouseDown(ArgsOf(event, VbButton(event.button())));
}

void ControlEvents::Move(const QMouseEvent& event) {
    emit MouseMove(ArgsOf(event, VbButtons(event.buttons())));
}

void ControlEvents::Release(const QMouseEvent& event) {
    const bool lastButton = event.buttons() == Qt::NoButton;
    const bool click = lastButton && clickPending_ && surface_->rect().contains(event.position().toPoint());
    if (lastButton) clickPending_ = false;
    // A MouseUp handler may unload the control.
    const QPointer<ControlEvents> alive(this);
    emit MouseUp(ArgsOf(event, VbButton(event.button())));
    if (click && alive) emit Click();
}

// Only the left button double-clicks: the right button shows what a pile holds and never plays,
// so its second press is a press like the first.
void ControlEvents::DoubleClick(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return Press(event);
    clickPending_ = false;
    emit DblClick();
}

void ControlEvents::KeyPressed(const QKeyEvent& event) {
    const QPointer<ControlEvents> alive(this);
    emit KeyDown(VbKeyCode(event), VbShift(event.modifiers()));
    if (const int ascii = VbKeyAscii(event); ascii && alive) emit KeyPress(ascii);
}

void ControlEvents::KeyReleased(const QKeyEvent& event) {
    emit KeyUp(VbKeyCode(event), VbShift(event.modifiers()));
}

} // namespace zarle
