#include "platform/units/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace zarle {

double TwipsPerPixelAt(double logicalDpi) {
    return logicalDpi > 0 ? TwipsPerInch / logicalDpi : TwipsPerInch / StandardDpi;
}

namespace {

// nearbyint follows the default rounding mode, which sends halves to the even neighbour.
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

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
    return RoundHalfEven(pixels * twipsPerPixel);
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    return RoundHalfEven(twips / twipsPerPixel);
}

double PixelsToScale(double pixels, ScaleUnit unit, double twipsPerPixel) {
    return unit == ScaleUnit::Twips ? pixels * twipsPerPixel : pixels;
}

double ScaleToPixels(double value, ScaleUnit unit, double twipsPerPixel) {
    return unit == ScaleUnit::Twips ? value / twipsPerPixel : value;
}

int WholePixels(double value, ScaleUnit unit, double twipsPerPixel) {
    return RoundHalfEven(ScaleToPixels(value, unit, twipsPerPixel));
}

} // namespace zarle
