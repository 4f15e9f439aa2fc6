#pragma once
// What the program reads about the screen once at start-up.

class QWidget;

namespace zarle {

struct ScreenMetrics {
    int widthPixels = 0;
    int heightPixels = 0;
    int widthTwips = 0;
    int heightTwips = 0;
    int bitsPerPixel = 0;
    double logicalDpiX = 0;
    double logicalDpiY = 0;
    // The screen does not run at 96 logical dots per inch.
    bool largeFonts = false;
    // Height of a window's title bar, in pixels.
    int captionHeight = 0;
};

// The screen `window` is on, or the primary screen when it is null or not yet placed.
// All zero when there is no screen at all.
ScreenMetrics ReadScreenMetrics(const QWidget* window = nullptr);

} // namespace zarle
