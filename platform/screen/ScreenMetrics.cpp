#include "platform/screen/ScreenMetrics.h"

#include "platform/units/Twips.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <cmath>

namespace zarle {

namespace {

// A shown window knows its real frame; before that the style's title bar height stands in.
int CaptionHeightOf(const QWidget* window) {
    if (window && window->isWindow() && window->isVisible()) {
        const int frameTop = window->geometry().top() - window->frameGeometry().top();
        if (frameTop > 0) return frameTop;
    }
    return QApplication::style() ? QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
}

} // namespace

ScreenMetrics ReadScreenMetrics(const QWidget* window) {
    ScreenMetrics m;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return m;
    const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return m;
    m.widthPixels = screen->geometry().width();
    m.heightPixels = screen->geometry().height();
    m.logicalDpiX = screen->logicalDotsPerInchX();
    m.logicalDpiY = screen->logicalDotsPerInchY();
    m.widthTwips = PixelsToTwips(m.widthPixels, TwipsPerPixelAt(m.logicalDpiX));
    m.heightTwips = PixelsToTwips(m.heightPixels, TwipsPerPixelAt(m.logicalDpiY));
    m.bitsPerPixel = screen->depth();
    m.largeFonts = std::lround(m.logicalDpiX) != std::lround(StandardDpi);
    m.captionHeight = CaptionHeightOf(window);
    return m;
}

} // namespace zarle
