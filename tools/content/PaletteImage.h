#pragma once
// Turns a drawn picture into a palette picture for a GIF file.

#include "tools/content/ShadeField.h"

#include <QColor>
#include <QImage>

namespace zarle::content {

struct PalettePicture {
    QImage image;              // Format_Indexed8
    int transparentIndex = -1; // -1 when every pixel is opaque
};

// Pixels less than half opaque become the transparent entry; the others keep their colour, or,
// in a picture of more colours than a palette holds, take the nearest of 255 chosen to cover them.
PalettePicture ToPalette(const QImage& picture);

// Three colours a field of shades runs through: 0 dark, 0.5 mid, 1 light.
struct ColourRamp {
    QColor dark, mid, light;
};

// A palette picture of `shades` (0..1 each) through the ramp in 256 steps.
QImage RampPicture(const ShadeField& shades, const ColourRamp& ramp);

} // namespace zarle::content
