#pragma once
// Twips and pixels. Window sizes are kept in twips (1440 to the inch), layouts work in
// pixels; at 96 logical dots per inch a pixel is 15 twips.

namespace zarle {

// The coordinate unit a window or picture reports and takes positions in.
enum class ScaleMode : int { Twips = 1, Pixels = 3 };

inline constexpr double TwipsPerInch = 1440.0;
inline constexpr double StandardDpi = 96.0;

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int VbRound(double value);

// Twips per pixel at a logical resolution: 15 at 96 dpi, 12 at 120 dpi.
double TwipsPerPixelAt(double logicalDpi);

// Twips per pixel of the primary screen, horizontally and vertically (15 when there is none).
double TwipsPerPixelX();
double TwipsPerPixelY();

int PixelsToTwips(double pixels, double twipsPerPixel);
int TwipsToPixels(double twips, double twipsPerPixel);

// A length in pixels expressed in a scale mode, and back.
double PixelsToScale(double pixels, ScaleMode mode, double twipsPerPixel);
double ScaleToPixels(double value, ScaleMode mode, double twipsPerPixel);

} // namespace zarle
