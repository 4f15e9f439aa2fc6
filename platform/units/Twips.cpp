#include "units/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace zarle {

// nearbyint follows the default rounding mode, which sends halves to the even neighbour.
int VbRound(double value) {
    return static_cast<int>(std::nearbyint(value));
}

double TwipsPerPixelAt(double logicalDpi) {
    return logicalDpi > 0 ? TwipsPerInch / logicalDpi : TwipsPerInch / StandardDpi;
}

namespace {

const QScreen* PrimaryScreen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                        : nullptr;
}

} // namespace

double TwipsPerPixelX() {
    const QScreen* screen = PrimaryScreen();
    return TwipsPerPixelAt(screen ? screen->logicalDotsPerInchX() : StandardDpi);
}

double TwipsPerPixelY() {
    const QScreen* screen = PrimaryScreen();
    return TwipsPerPixelAt(screen ? screen->logicalDotsPerInchY() : StandardDpi);
}

int PixelsToTwips(double pixels, double twipsPerPixel) {
    return VbRound(pixels * twipsPerPixel);
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    return VbRound(twips / twipsPerPixel);
}

double PixelsToScale(double pixels, ScaleMode mode, double twipsPerPixel) {
    return mode == ScaleMode::Twips ? pixels * twipsPerPixel : pixels;
}

double ScaleToPixels(double value, ScaleMode mode, double twipsPerPixel) {
    return mode == ScaleMode::Twips ? value / twipsPerPixel : value;
}

} // namespace zarle
