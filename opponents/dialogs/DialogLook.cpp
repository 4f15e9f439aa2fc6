#include "DialogLook.h"

#include <QWidget>

#include <algorithm>

namespace zarle {

void FitToScreen(QWidget& window, int32_t screenTwips) {
    if (screenTwips <= 0 || screenTwips >= NarrowScreenTwips) return;
    QFont font = window.font();
    const double factor = double(screenTwips) / DesignScreenTwips;
    font.setPointSizeF(std::max(6.0, font.pointSizeF() * factor));
    window.setFont(font);
}

} // namespace zarle
