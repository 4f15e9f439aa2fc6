#pragma once
// Twips and pixels. Window sizes are kept in twips (1440 to the inch), layouts work in
// pixels; at 96 logical dots per inch a pixel is 15 twips.

namespace zarle {

// The coordinate unit a window or picture reports and takes positions in (its scale mode,
// numbered as the game numbers it: twips 1, pixels 3).
enum class ScaleUnit : int { Twips = 1, Pixels = 3 };

inline constexpr double TwipsPerInch = 1440.0;
inline constexpr double StandardDpi = 96.0;

// Twips per pixel at a logical resolution: 15 at 96 dpi, 12 at 120 dpi.
double TwipsPerPixelAt(double logicalDpi);

// Twips per pixel of the primary screen, horizontally and vertically (15 when there is none).
double TwipsPerPixelX();
double TwipsPerPixelY();

// Whole twips or pixels: the nearest, a half going to the even neighbour (22.5 twips are
// 1.5 pixels, which make 2; 7.5 twips make 0).
int PixelsToTwips(double pixels, double twipsPerPixel);
int TwipsToPixels(double twips, double twipsPerPixel);

// A length in pixels expressed in a scale unit, and back; WholePixels rounds as above.
double PixelsToScale(double pixels, ScaleUnit unit, double twipsPerPixel);
double ScaleToPixels(double value, ScaleUnit unit, double twipsPerPixel);
int WholePixels(double value, ScaleUnit unit, double twipsPerPixel);

} // namespace zarle
