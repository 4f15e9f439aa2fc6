#include "forms/Class1.h"

#include <QWidget>

namespace zarle {

void Class1::TopForm(QWidget& window) const {
    QWidget& top = *window.window();
    if (top.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop_) return;
    // Changing a window's flags hides it; put it back where it was.
    const bool shown = top.isVisible();
    const QPoint at = top.pos();
    top.setWindowFlag(Qt::WindowStaysOnTopHint, onTop_);
    if (shown) {
        top.move(at);
        top.show();
    }
}

} // namespace zarle
