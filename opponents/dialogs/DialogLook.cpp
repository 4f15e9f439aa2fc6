#include "opponents/dialogs/DialogLook.h"

#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zarle {

namespace {

constexpr double SmallestFont = 6.0;

int Scaled(int size, double factor) {
    return static_cast<int>(std::lround(size * factor));
}

} // namespace

// As the game scales its smaller windows to the screen: lettering, gaps and the sizes the window
// fixed for its pictures and fields all shrink by the same factor.
void FitToScreen(QWidget& window, int32_t screenTwips) {
    if (screenTwips <= 0 || screenTwips >= NarrowScreenTwips) return;
    const double factor = double(screenTwips) / DesignScreenTwips;
    QFont font = window.font();
    font.setPointSizeF(std::max(SmallestFont, font.pointSizeF() * factor));
    window.setFont(font);
    for (QLayout* layout : window.findChildren<QLayout*>()) {
        const QMargins m = layout->contentsMargins();
        layout->setContentsMargins(Scaled(m.left(), factor), Scaled(m.top(), factor),
                                   Scaled(m.right(), factor), Scaled(m.bottom(), factor));
        if (layout->spacing() > 0) layout->setSpacing(Scaled(layout->spacing(), factor));
    }
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isWindow()) continue;
        const QSize max = w->maximumSize();
        w->setMinimumSize(Scaled(w->minimumWidth(), factor), Scaled(w->minimumHeight(), factor));
        w->setMaximumSize(max.width() == QWIDGETSIZE_MAX ? max.width() : Scaled(max.width(), factor),
                          max.height() == QWIDGETSIZE_MAX ? max.height() : Scaled(max.height(), factor));
    }
}

} // namespace zarle
