#pragma once
// The mouse and key events of a control as the game's handlers take them: MouseDown,
// MouseMove and MouseUp with (button, shift, x, y) in the control's own scale, Click,
// DblClick, and KeyDown/KeyUp with a virtual-key code and KeyPress with a character code.
//
// A double-click comes as MouseDown, MouseUp, Click, DblClick, MouseUp: the second press
// raises DblClick instead of MouseDown, and its release raises no Click. Only the left button
// double-clicks: another button's double-click comes as two clicks.

#include "platform/units/Twips.h"

#include <QObject>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace zarle {

inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

struct MouseArgs {
    // MouseDown/MouseUp: the button pressed or released. MouseMove: every button held.
    int button = 0;
    // Bit 1 Shift, 2 Ctrl, 4 Alt.
    int shift = 0;
    // Position inside the control, in its scale mode.
    float x = 0;
    float y = 0;
};

class ControlEvents : public QObject {
    Q_OBJECT
  public:
    // `surface` is the widget whose coordinates the events are reported in.
    explicit ControlEvents(QWidget* surface);

    ScaleUnit Scale() const { return scale_; }
    void SetScale(ScaleUnit scale) { scale_ = scale; }

    void Press(const QMouseEvent& event);
    void Move(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    void DoubleClick(const QMouseEvent& event);
    void KeyPressed(const QKeyEvent& event);
    void KeyReleased(const QKeyEvent& event);

  signals:
    void MouseDown(zarle::MouseArgs args);
    void MouseMove(zarle::MouseArgs args);
    void MouseUp(zarle::MouseArgs args);
    void Click();
    void DblClick();
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);
    void KeyPress(int keyAscii);

  private:
    MouseArgs ArgsOf(const QMouseEvent& event, int button) const;

    QWidget* surface_;
    ScaleUnit scale_ = ScaleUnit::Pixels;
    // A press began here and its release may still be a click.
    bool clickPending_ = false;
};

// The game's button number of one Qt button (0 for others), and of a set of held buttons.
int VbButton(Qt::MouseButton button);
int VbButtons(Qt::MouseButtons buttons);

} // namespace zarle
